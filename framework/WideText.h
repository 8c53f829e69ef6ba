// framework/WideText.h: text between the bar's strings (the process's ANSI
// code page, UTF-8 where the manifest is honoured) and the system's UTF-16,
// whole whatever its length, and the program's own path.
#pragma once

#include <windows.h>

#include <string>

namespace qv {

// Empty for empty text or text that does not convert.
std::wstring Widen(const std::string& text);
std::string Narrow(const wchar_t* text);
inline std::string Narrow(const std::wstring& text) {
  return Narrow(text.c_str());
}

// The running program's file, however deep its folder; empty when the
// system does not tell.
std::string ModuleFileName();

}  // namespace qv
