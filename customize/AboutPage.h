// customize/AboutPage.h: CAboutPage, the "About" tab: the program's icon and
// version, its free memory and the free space of the current drive.
#pragma once

#include "customize/CustomizePage.h"

class CAboutPage : public CCustomizePage {
 public:
  CAboutPage();

 protected:
  BOOL OnInitDialog() override;
};
