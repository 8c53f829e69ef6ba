// settings/ValueStore.cpp: the registry's values for a save, and the writes
// of one save, which put back what they overwrote when one is refused.
#include "settings/ValueStore.h"

#include <new>

#include "settings/portable/SettingsValues.h"

bool CRegistryValueStore::ReadDword(const char* name, std::uint32_t* value) {
  // A longer value does not fit and is refused with ERROR_MORE_DATA.
  unsigned char data[4];
  DWORD size = sizeof data;
  return ::RegQueryValueExA(m_key, name, nullptr, nullptr, data, &size) ==
             ERROR_SUCCESS &&
         qv::DecodeDword(data, size, value);
}

CValueStore::Found CRegistryValueStore::Read(const char* name, DWORD* type,
                                             std::vector<unsigned char>* data) {
  DWORD size = 0;
  LONG status =
      ::RegQueryValueExA(m_key, name, nullptr, nullptr, nullptr, &size);
  // A value that grows between the size and the read is asked for again
  // with the size it has then. An empty buffer still goes as a pointer, so
  // that a value no longer empty answers ERROR_MORE_DATA rather than its
  // size alone.
  while (status == ERROR_SUCCESS || status == ERROR_MORE_DATA) {
    try {
      data->resize(size);
    } catch (const std::bad_alloc&) {
      return Found::kUnreadable;
    }
    unsigned char none = 0;
    status = ::RegQueryValueExA(m_key, name, nullptr, type,
                                size ? data->data() : &none, &size);
    if (status == ERROR_SUCCESS) {
      // The ANSI size of a string may be less than the size first given.
      data->resize(size);
      return Found::kValue;
    }
  }
  return status == ERROR_FILE_NOT_FOUND ? Found::kMissing : Found::kUnreadable;
}

bool CRegistryValueStore::Write(const char* name, DWORD type, const void* data,
                                DWORD size) {
  return ::RegSetValueExA(m_key, name, 0, type, static_cast<const BYTE*>(data),
                          size) == ERROR_SUCCESS;
}

bool CRegistryValueStore::Remove(const char* name) {
  return ::RegDeleteValueA(m_key, name) == ERROR_SUCCESS;
}

bool CValueWrites::Add(const char* name, DWORD type, const void* data,
                       DWORD size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  try {
    m_values.push_back({name, type, {bytes, bytes + size}});
  } catch (const std::bad_alloc&) {
    return false;
  }
  return true;
}

bool CValueWrites::AddDword(const char* name, std::uint32_t value) {
  const DWORD data = value;
  return Add(name, REG_DWORD, &data, sizeof data);
}

bool CValueWrites::Apply(CValueStore& store) const {
  using Found = CValueStore::Found;
  // What each write replaced.
  struct Old {
    bool stored = false;  // false: there was no such value
    DWORD type = REG_NONE;
    std::vector<unsigned char> data;
  };
  std::vector<Old> olds;
  try {
    olds.resize(m_values.size());
  } catch (const std::bad_alloc&) {
    return false;  // nothing written yet
  }

  size_t written = 0;
  for (; written < m_values.size(); ++written) {
    const Value& value = m_values[written];
    if (written + 1 < m_values.size()) {
      Old& old = olds[written];
      Found found = Found::kUnreadable;
      try {
        found = store.Read(value.name.c_str(), &old.type, &old.data);
      } catch (const std::bad_alloc&) {
        // Memory ran out in the store: the value stays unreadable.
      }
      // A value whose data is not known could not be put back.
      if (found == Found::kUnreadable) break;
      old.stored = found == Found::kValue;
    }
    if (!store.Write(value.name.c_str(), value.type, value.data.data(),
                     static_cast<DWORD>(value.data.size())))
      break;
  }
  if (written == m_values.size()) return true;

  while (written-- > 0) {
    const Old& old = olds[written];
    const char* name = m_values[written].name.c_str();
    if (old.stored)
      store.Write(name, old.type, old.data.data(),
                  static_cast<DWORD>(old.data.size()));
    else
      store.Remove(name);
  }
  return false;
}
