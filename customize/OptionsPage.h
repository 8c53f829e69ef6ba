// customize/OptionsPage.h: COptionsPage, the "Options" tab: the edge, the
// length of button names and the bar-wide switches of the working copy.
#pragma once

#include "customize/CustomizePage.h"

class COptionsPage : public CCustomizePage {
 public:
  COptionsPage();

  // The longest button name the page offers.
  static constexpr int kMaxCharsLimit = 128;

  // The hot key the bar holds now (the stored form; 0 when it holds none):
  // the page does not report it as taken by another program.
  void SetHeldHotKey(UINT key) { m_nHeldHotKey = key; }

 protected:
  BOOL OnSetActive() override;
  BOOL OnKillActive() override;

 private:
  void FillControls();
  // The key the page would store: the control's, or the stored one while the
  // control still shows it (the control cannot show the Windows key).
  UINT ChosenHotKey() const;
  // Says on the page when another program holds the chosen key.
  void ShowHotKeyState();

  int m_bFirstActivation = 1;
  UINT m_nHeldHotKey = 0;
  LRESULT m_shownHotKey = 0;  // what the control showed when filled

  DECLARE_MESSAGE_MAP(COptionsPage)
};
