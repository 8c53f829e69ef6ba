// framework/portable/Palette.h: the colours the bar draws itself with, one
// table per look the user can choose (light, dark, high contrast), picked
// without Win32 so that every window of the bar paints from the same choice.
#pragma once

#include <cstdint>

namespace qv {

// A colour laid out as GDI's COLORREF: 0x00BBGGRR.
using Rgb = uint32_t;

constexpr Rgb MakeRgb(int red, int green, int blue) {
  return static_cast<Rgb>(red & 0xFF) | static_cast<Rgb>(green & 0xFF) << 8 |
         static_cast<Rgb>(blue & 0xFF) << 16;
}

// The system's colours (GetSysColor) that the light and high-contrast looks
// are made of.
struct SystemColors {
  Rgb window = 0;
  Rgb windowText = 0;
  Rgb buttonFace = 0;
  Rgb buttonText = 0;
  Rgb buttonLight = 0;   // COLOR_BTNHIGHLIGHT
  Rgb buttonShadow = 0;  // COLOR_BTNSHADOW
  Rgb windowFrame = 0;
  Rgb highlight = 0;
  Rgb highlightText = 0;
  Rgb hotLight = 0;
  Rgb grayText = 0;
};

struct Palette {
  Rgb background;     // the bar, the pane, the rows and behind the tabs
  Rgb text;           // names on buttons and tabs
  Rgb edgeLight;      // a button's and a tab's lit outer edge
  Rgb edgeFace;       // a button's lit inner edge
  Rgb edgeShadow;     // a button's shaded inner edge, a tab's shaded edge
  Rgb edgeFrame;      // a button's shaded outer edge
  Rgb selectedTab;    // the selected tab's fill
  Rgb selectedText;   // the selected tab's name
  Rgb arrowGroove;    // the fill beside the tab strip's arrows
  Rgb focus;          // the keyboard's mark on a button
  Rgb hot;            // a link-like accent (the pressed button's frame)
  Rgb disabledText;   // a tab arrow that has nowhere to go
  bool dark;          // the system's dark title and scroll bars wanted
  bool highContrast;  // marks drawn solid in the focus colour, never XORed
};

// The classic look, from the system's colours: what the bar has always been.
constexpr Palette LightPalette(const SystemColors& system) {
  return {system.buttonFace,
          system.buttonText,
          system.buttonLight,
          system.buttonFace,
          system.buttonShadow,
          system.windowFrame,
          MakeRgb(255, 255, 255),
          system.buttonText,
          MakeRgb(192, 192, 192),
          system.buttonText,
          system.hotLight,
          system.buttonShadow,
          false,
          false};
}

// The dark app mode: fixed greys near the system's own dark surfaces.
constexpr Palette DarkPalette() {
  return {MakeRgb(32, 32, 32),
          MakeRgb(240, 240, 240),
          MakeRgb(96, 96, 96),
          MakeRgb(56, 56, 56),
          MakeRgb(20, 20, 20),
          MakeRgb(0, 0, 0),
          MakeRgb(64, 64, 64),
          MakeRgb(255, 255, 255),
          MakeRgb(72, 72, 72),
          MakeRgb(240, 240, 240),
          MakeRgb(153, 235, 255),
          MakeRgb(110, 110, 110),
          true,
          false};
}

// High contrast: every colour the user's theme gives, edges in the text
// colour so that each button's outline shows on any background.
constexpr Palette HighContrastPalette(const SystemColors& system) {
  return {system.window,
          system.windowText,
          system.windowText,
          system.window,
          system.window,
          system.windowText,
          system.highlight,
          system.highlightText,
          system.buttonFace,
          system.highlight,
          system.hotLight,
          system.grayText,
          false,
          true};
}

// High contrast wins over the app mode: the user needs it to read at all.
constexpr Palette ChoosePalette(bool dark, bool highContrast,
                                const SystemColors& system) {
  return highContrast ? HighContrastPalette(system)
         : dark       ? DarkPalette()
                      : LightPalette(system);
}

}  // namespace qv
