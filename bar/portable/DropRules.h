// bar/portable/DropRules.h: what the bar does with items dragged onto it,
// decided from the mouse buttons and the items' file attributes. The values are
// Win32's (MK_*, DROPEFFECT_*, FILE_ATTRIBUTE_*), kept here so the rules build
// and are tested natively.
#pragma once

#include <cstdint>

namespace qv {

constexpr std::uint32_t kKeyLeftButton = 0x1;   // MK_LBUTTON
constexpr std::uint32_t kKeyRightButton = 0x2;  // MK_RBUTTON

constexpr std::uint32_t kDropEffectNone = 0;  // DROPEFFECT_NONE
constexpr std::uint32_t kDropEffectLink = 4;  // DROPEFFECT_LINK

// The kind of the drag in progress, kept by the bar between the drag's
// calls: the buttons are already up when the drop arrives.
constexpr int kDropModeFolders = 1;    // left button: folders become toolbars
constexpr int kDropModeShortcuts = 2;  // right button: shortcuts on a row

constexpr std::uint32_t kAttributeDirectory = 0x10;
constexpr std::uint32_t kInvalidAttributes = 0xFFFFFFFF;
// Read-only, hidden, system, directory, archive, normal, compressed.
constexpr std::uint32_t kShortcutAttributes = 0x8B7;

// Only a plain folder becomes a toolbar: a read-only, hidden or system one
// (the shell's special and customised folders) does not.
inline bool CountsAsToolbarFolder(std::uint32_t attributes) {
  return attributes == kAttributeDirectory;
}

// An item gets a shortcut unless its attributes carry none of the usual
// bits; attributes that cannot be read (all bits set) are accepted.
inline bool AcceptedForShortcut(std::uint32_t attributes) {
  return (attributes & kShortcutAttributes) != 0;
}

struct DragAnswer {
  std::uint32_t effect;  // kDropEffectNone or kDropEffectLink
  int mode;              // the drag kind from now on
};

// The feedback while dragging. Each test runs only when its button is down:
// the folder test `allFolders` for the left button, the row test `onRow`
// for the right one.
template <typename FolderTest, typename RowTest>
DragAnswer AnswerDrag(std::uint32_t keyState, int mode, FolderTest allFolders,
                      RowTest onRow) {
  const bool left = (keyState & kKeyLeftButton) != 0;
  const bool right = (keyState & kKeyRightButton) != 0;
  if (left && !allFolders()) return {kDropEffectNone, mode};
  if (right && !onRow()) return {kDropEffectNone, mode};
  if (left)
    mode = kDropModeFolders;
  else if (right)
    mode = kDropModeShortcuts;
  return {kDropEffectLink, mode};
}

enum class DropAction { kRefuse, kFolders, kShortcuts };

inline DropAction ChooseDropAction(std::uint32_t dropEffect, int mode) {
  if (dropEffect == kDropEffectNone) return DropAction::kRefuse;
  return mode == kDropModeFolders ? DropAction::kFolders
                                  : DropAction::kShortcuts;
}

}  // namespace qv
