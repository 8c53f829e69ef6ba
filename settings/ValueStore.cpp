// settings/ValueStore.cpp: the registry's values for a save.
#include "settings/ValueStore.h"

#include "settings/portable/SettingsValues.h"

bool CRegistryValueStore::ReadDword(const char* name, std::uint32_t* value) {
  // A longer value does not fit and is refused with ERROR_MORE_DATA.
  unsigned char data[4];
  DWORD size = sizeof data;
  return ::RegQueryValueExA(m_key, name, nullptr, nullptr, data, &size) ==
             ERROR_SUCCESS &&
         qv::DecodeDword(data, size, value);
}

bool CRegistryValueStore::Write(const char* name, DWORD type, const void* data,
                                DWORD size) {
  return ::RegSetValueExA(m_key, name, 0, type, static_cast<const BYTE*>(data),
                          size) == ERROR_SUCCESS;
}

bool CRegistryValueStore::Remove(const char* name) {
  return ::RegDeleteValueA(m_key, name) == ERROR_SUCCESS;
}
