// customize/OptionsPage.h: COptionsPage, the "Options" tab: the edge, the
// length of button names and the bar-wide switches of the working copy.
#pragma once

#include "customize/CustomizePage.h"

class COptionsPage : public CCustomizePage {
 public:
  COptionsPage();

  // The longest button name the page offers.
  static constexpr int kMaxCharsLimit = 128;

 protected:
  BOOL OnSetActive() override;
  BOOL OnKillActive() override;

 private:
  void FillControls();

  int m_bFirstActivation = 1;
};
