// tests/unit/support/Accessible.h: a window's accessible object fetched the
// way a screen reader fetches it (WM_GETOBJECT, then the object from the
// answer), and its items' name, role and state.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <string>

#include "framework/Handles.h"

namespace testsupport {

inline qv::ComPtr<IAccessible> AccessibleOf(HWND window) {
  qv::ComPtr<IAccessible> object;
  const LRESULT answer = ::SendMessageA(window, WM_GETOBJECT, 0, OBJID_CLIENT);
  if (answer > 0)
    ::ObjectFromLresult(answer, IID_IAccessible, 0,
                        reinterpret_cast<void**>(object.GetAddressOf()));
  return object;
}

inline VARIANT Child(long id) {
  VARIANT v;
  ::VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

// The item's name; "<hr>" with the failure's code when there is none.
inline std::string NameOf(IAccessible* object, long id) {
  BSTR name = nullptr;
  const HRESULT hr = object->get_accName(Child(id), &name);
  std::string text;
  if (hr != S_OK) text = "<" + std::to_string(hr) + ">";
  for (UINT i = 0; name && i < ::SysStringLen(name); ++i)
    text += static_cast<char>(name[i]);
  ::SysFreeString(name);
  return text;
}

// The role or state (`state` true) of an item; -1 when none is given.
inline long Property(IAccessible* object, long id, bool state) {
  VARIANT out;
  ::VariantInit(&out);
  const HRESULT hr = state ? object->get_accState(Child(id), &out)
                           : object->get_accRole(Child(id), &out);
  return hr == S_OK && out.vt == VT_I4 ? out.lVal : -1;
}

}  // namespace testsupport
