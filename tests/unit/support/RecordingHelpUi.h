// tests/unit/support/RecordingHelpUi.h: a help UI that records what was
// asked of it instead of opening a browser or showing windows.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/Help.h"

struct RecordingHelpUi : qv::HelpUi {
  bool opens = true;
  bool chooses = true;
  std::vector<std::string> opened;
  int failures = 0;
  std::vector<std::pair<HWND, DWORD>> popups;
  std::vector<POINT> offers;

  bool OpenPage(HWND, const std::string& path) override {
    opened.push_back(path);
    return opens;
  }
  void ShowPopup(HWND control, DWORD contextId) override {
    popups.emplace_back(control, contextId);
  }
  bool OfferWhatsThis(HWND, POINT at) override {
    offers.push_back(at);
    return chooses;
  }
  void ReportFailure(HWND) override { ++failures; }
};
