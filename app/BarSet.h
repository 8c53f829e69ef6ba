// app/BarSet.h: CBarSet, the program's bars in its one process. The first
// bar keeps the program's settings key; each further bar has a sub-key of
// its own (settings/BarKeys.h). The set makes them at start, makes and
// closes bars at the user's request, ends them all at Exit, and answers
// which bar the hot key brings forward.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bar/BarFamily.h"
#include "bar/BarWindow.h"
#include "bar/MonitorService.h"
#include "settings/SettingsStore.h"

class CBarSet final : public IBarFamily {
 public:
  // Makes the window of a bar whose settings `store` keeps (the program's
  // with the system's services, a test's with stand-ins).
  using BarMaker =
      std::function<std::unique_ptr<CBarWindow>(ISettingsStore& store)>;
  // Asks the user whether `bar` may close, with its settings.
  using CloseConfirm = std::function<bool(CBarWindow& bar)>;

  CBarSet(BarMaker make, CloseConfirm confirm,
          IMonitorService& monitors = SystemMonitors());
  CBarSet(const CBarSet&) = delete;
  CBarSet& operator=(const CBarSet&) = delete;
  ~CBarSet() override;

  // Makes the first bar, then one for each stored further bar; false when
  // the first cannot be made. A further bar that cannot be made is passed
  // over and keeps its settings.
  bool Start();

  int Count() const { return static_cast<int>(m_bars.size()); }
  CBarWindow& Bar(int index) { return *m_bars[index].window; }
  // The bar's sub-key below the first bar's key; "" for the first.
  const std::string& BarKey(int index) const { return m_bars[index].key; }

  // IBarFamily
  bool IsFirst(const CBarWindow& bar) const override;
  bool CanClose(const CBarWindow& bar) const override;
  void NewBar(CBarWindow& from) override;
  void CloseBar(CBarWindow& bar) override;
  void MoveToolbar(CBarWindow& from, int toolbar, qv::Edge edge,
                   const std::string& monitor) override;
  void ExitAll() override;
  CBarWindow& BarToBringForward() override;

 private:
  struct Member {
    std::string key;
    std::unique_ptr<ISettingsStore> store;
    std::unique_ptr<CBarWindow> window;  // goes before its store
  };
  // Makes and creates the window of the bar on `key`, appended to the set;
  // null (and nothing appended) when it cannot be made.
  CBarWindow* Add(const std::string& key);
  // Makes a further bar with `like`'s options on `edge` of monitor
  // `monitor`, with `toolbar` when there is one; null when it cannot be
  // made (nothing is left stored).
  CBarWindow* AddFurther(const CBarSettings& like, qv::Edge edge,
                         const std::string& monitor,
                         std::optional<ToolbarRecord> toolbar);
  int IndexOf(const CBarWindow& bar) const;
  // Frees the windows closed earlier: a bar closes from inside its own
  // handlers, so its object outlives the call that closed it.
  void FreeClosed() { m_closed.clear(); }

  BarMaker m_make;
  CloseConfirm m_confirm;
  IMonitorService& m_monitors;
  std::vector<Member> m_bars;  // the first bar first
  std::vector<Member> m_closed;
};
