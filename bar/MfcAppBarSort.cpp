// bar/MfcAppBarSort.cpp: CMfcAppBar::SortToolbar, called after every fill.
#include "bar/MfcAppBar.h"
#include "toolbar/ToolbarSort.h"

void CMfcAppBar::SortToolbar(int index) {
  const size_t at = static_cast<size_t>(index);
  if (index < 0 || at >= m_itemArrays.size() || at >= m_itemCounts.size() ||
      at >= m_settings.m_folders.size() ||
      at >= m_settings.m_sortOrders.size()) {
    return;
  }
  SortToolbarItems(m_settings.m_folders[at].get(), m_settings.m_sortOrders[at],
                   m_itemArrays[at].get(), m_itemCounts[at]);
}
