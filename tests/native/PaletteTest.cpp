// tests/native/PaletteTest.cpp: which table of colours each look takes.
#include "framework/portable/Palette.h"

#include <gtest/gtest.h>

namespace {

int Green(qv::Rgb colour) { return (colour >> 8) & 0xFF; }

}  // namespace

TEST(Palette, HighContrastTakesTheSystemColoursOverTheAppMode) {
  qv::SystemColors system;
  system.window = qv::MakeRgb(0, 0, 1);
  system.windowText = qv::MakeRgb(0, 0, 2);
  system.buttonFace = qv::MakeRgb(0, 0, 3);
  system.buttonText = qv::MakeRgb(0, 0, 4);
  system.highlight = qv::MakeRgb(0, 0, 5);
  system.highlightText = qv::MakeRgb(0, 0, 6);

  const qv::Palette light = qv::ChoosePalette(false, false, system);
  EXPECT_EQ(system.buttonFace, light.background);
  EXPECT_EQ(system.buttonText, light.text);
  EXPECT_EQ(qv::MakeRgb(255, 255, 255), light.selectedTab);
  EXPECT_FALSE(light.dark || light.highContrast);

  const qv::Palette dark = qv::ChoosePalette(true, false, system);
  EXPECT_TRUE(dark.dark);
  EXPECT_LT(Green(dark.background), 64);
  EXPECT_GT(Green(dark.text), 192);
  EXPECT_GT(Green(dark.selectedText) - Green(dark.selectedTab), 128);

  for (bool appsDark : {false, true}) {
    const qv::Palette contrast = qv::ChoosePalette(appsDark, true, system);
    EXPECT_TRUE(contrast.highContrast);
    EXPECT_FALSE(contrast.dark);
    EXPECT_EQ(system.window, contrast.background);
    EXPECT_EQ(system.windowText, contrast.text);
    EXPECT_EQ(system.highlight, contrast.selectedTab);
    EXPECT_EQ(system.highlightText, contrast.selectedText);
    EXPECT_EQ(system.highlight, contrast.focus);
  }
}
