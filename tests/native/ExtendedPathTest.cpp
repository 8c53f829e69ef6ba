// tests/native/ExtendedPathTest.cpp: which paths take the "\\?\" prefix.
#include "shell/portable/ExtendedPath.h"

#include <gtest/gtest.h>

TEST(ExtendedPath, OnlyLongAbsolutePathsTakeThePrefix) {
  const std::wstring deep(300, L'd');
  EXPECT_EQ(L"C:\\short", qv::ExtendedLengthPath(L"C:\\short"));
  EXPECT_EQ(L"\\\\?\\C:\\" + deep + L"\\x",
            qv::ExtendedLengthPath(L"C:\\" + deep + L"/x"));
  EXPECT_EQ(L"\\\\?\\UNC\\srv\\share\\" + deep,
            qv::ExtendedLengthPath(L"\\\\srv\\share\\" + deep));
  for (const std::wstring& unchanged :
       {L"\\\\?\\C:\\" + deep, L"\\\\.\\C:\\" + deep, L"rel\\" + deep})
    EXPECT_EQ(unchanged, qv::ExtendedLengthPath(unchanged));
  const std::wstring edge(qv::kPlainPathLimit - 3, L'e');
  EXPECT_EQ(L"C:\\" + edge.substr(1),
            qv::ExtendedLengthPath(L"C:\\" + edge.substr(1)));
  EXPECT_EQ(L"\\\\?\\C:\\" + edge, qv::ExtendedLengthPath(L"C:\\" + edge));
}
