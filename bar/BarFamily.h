// bar/BarFamily.h: what a bar asks of the program that holds it with its
// sibling bars: making and closing bars, ending them all, and which bar the
// program's one hot key brings forward. A bar without a family is alone.
#pragma once

#include <string>

#include "settings/portable/Edge.h"

class CBarWindow;

class IBarFamily {
 public:
  virtual ~IBarFamily() = default;
  // The first bar holds what there is one of per program: its settings key
  // has the hot key and the title screen.
  virtual bool IsFirst(const CBarWindow& bar) const = 0;
  // Whether `bar` may be closed: never the last one.
  virtual bool CanClose(const CBarWindow& bar) const = 0;
  // "New Bar" on `from`'s menu: an empty bar on a free edge of its monitor
  // (or the next), whose Customize sheet then opens on the Toolbars page.
  virtual void NewBar(CBarWindow& from) = 0;
  // "Close Bar": after the user agrees, `bar` goes with its settings. The
  // window may be destroyed before this returns.
  virtual void CloseBar(CBarWindow& bar) = 0;
  // Toolbar `toolbar` of `from` was dragged off to `edge` of monitor
  // `monitor` (its device name): it joins the bar there, or a new bar is
  // made there for it; `from` no longer has it.
  virtual void MoveToolbar(CBarWindow& from, int toolbar, qv::Edge edge,
                           const std::string& monitor) = 0;
  // "Exit": every bar goes, and with the last the program ends.
  virtual void ExitAll() = 0;
  // The bar the hot key or another start brings forward: the one on the
  // mouse's monitor, else the first.
  virtual CBarWindow& BarToBringForward() = 0;
};
