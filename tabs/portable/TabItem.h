// tabs/portable/TabItem.h: CTabItem, one tab of the strip: its text, where it
// is laid out and its full length once measured.
#pragma once

#include <string>

#include "tabs/portable/TabGeometry.h"

class CTabItem {
 public:
  // `length` goes into both full lengths; -1 means "not measured yet".
  CTabItem(const char* text, int length)
      : m_strText(text ? text : ""), m_nWidth(length), m_nHeight(length) {}

  std::string m_strText;
  // In the strip's client coordinates; empty while the tab is not shown.
  qv::TabRect m_rect{};
  // Full length along a horizontal strip, and along a vertical one.
  int m_nWidth;
  int m_nHeight;
};
