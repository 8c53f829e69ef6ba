// toolbar/PaneFolderCommands.cpp: the pane's folder navigation: the folder
// menu, browsing into a folder inside the bar, going up one level and the
// sort orders. Until navigation is built, these leave the bar as it is: a
// folder button then does nothing on a click, and a right click on empty
// space shows no menu.
#include "toolbar/ToolbarPane.h"

void CToolbarPane::ShowFolderMenu(POINT) {}

void CToolbarPane::BrowseInBar(int, int) {}

void CToolbarPane::OnUpOneLevel() {}

void CToolbarPane::OnSortByName() {}

void CToolbarPane::OnSortByType() {}

void CToolbarPane::OnSortBySize() {}

void CToolbarPane::OnSortByDate() {}

void CToolbarPane::OnCustomSort() {}
