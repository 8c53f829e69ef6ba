// tests/unit/TabStripTestWindows.h: a parent window that records the tab
// strip's notifications and paints the background the strip must take, and a
// fixture that builds a strip of tabs with fixed full lengths.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "framework/Handles.h"
#include "framework/WinApp.h"
#include "tabs/TabStrip.h"

namespace tabtest {

constexpr COLORREF kBackground = RGB(210, 180, 140);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr UINT kStripId = 1000;

class NotifyParent : public qv::CWnd {
 public:
  struct Received {
    int code;
    WPARAM wParam;
    UINT_PTR idFrom;
    HWND from;
    int selection;  // the strip's m_nCurSel when it arrived
  };
  std::vector<Received> received;
  LRESULT changingReply = 0;
  CTabStrip* strip = nullptr;
  qv::UniqueHBrush background{::CreateSolidBrush(kBackground)};

  std::vector<int> Codes() const {
    std::vector<int> codes;
    for (const Received& r : received) codes.push_back(r.code);
    return codes;
  }

 protected:
  // WM_NOTIFY comes here whatever its code, as in the bar's main window.
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnCtlColorDialog(WPARAM, LPARAM) {
    return reinterpret_cast<LRESULT>(background.get());
  }

  DECLARE_MESSAGE_MAP(NotifyParent)
};

// A strip in a parent window; the tabs' full lengths are set, not measured.
class TabStripTest : public ::testing::Test {
 public:
  // One visible parent per test suite: under Wine on a bare X server, taking
  // a shown top-level window down waits two seconds for a window manager.
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  static std::unique_ptr<NotifyParent> s_parent;

  NotifyParent& parent = *s_parent;
  CTabStrip strip;

  void Build(int orientation, int length, std::initializer_list<int> lengths);
  // The strip's client area as it is on screen, row by row.
  std::vector<COLORREF> Capture();
  COLORREF At(const std::vector<COLORREF>& shot, int x, int y) const {
    return shot.at(static_cast<size_t>(y * width + x));
  }

  // A frame of the arrow bitmap the strip draws from, in the same layout.
  std::vector<COLORREF> ArrowFrame(int frame);
  std::vector<COLORREF> ArrowArea();
  void Send(UINT message, int x, int y, WPARAM flags = 0) {
    strip.SendMessage(message, flags, MAKELPARAM(x, y));
  }

  int width = 0;
  int height = 0;
};

}  // namespace tabtest
