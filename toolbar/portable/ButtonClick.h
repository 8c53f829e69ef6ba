// toolbar/portable/ButtonClick.h: what a click on a button of a row does.
#pragma once

namespace qv {

// The button a notification from a row is about: the one under the cursor
// (`hit`, -1 for none). A left click counts only where it was released on
// the button it pressed (`pressed`): released on another button it opens
// neither. -1 when nothing is to be done.
int ClickedButton(int hit, int pressed, bool rightClick);

// Whether a clicked item is opened (its shell menu or default command)
// rather than browsed inside the bar: files always are, folders when the
// user wants them in windows of their own ("Browse Separate" 1).
bool OpensItem(bool isFolder, unsigned browseSeparate);

}  // namespace qv
