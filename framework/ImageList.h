// framework/ImageList.h: a view of an image list owned elsewhere (the
// system's icons): the size of an image and drawing one.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace qv {

class ImageList {
 public:
  explicit ImageList(HIMAGELIST list = nullptr) : m_list(list) {}

  HIMAGELIST get() const { return m_list; }
  explicit operator bool() const { return m_list != nullptr; }

  // FALSE when there is no such image.
  BOOL GetImageInfo(int index, IMAGEINFO* info) const {
    return m_list && ::ImageList_GetImageInfo(m_list, index, info);
  }
  BOOL Draw(int index, HDC dc, int x, int y, UINT style) const {
    return ::ImageList_Draw(m_list, index, dc, x, y, style);
  }

 private:
  HIMAGELIST m_list;
};

}  // namespace qv
