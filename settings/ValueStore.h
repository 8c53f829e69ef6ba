// settings/ValueStore.h: the values of the settings key as a save reads and
// writes them: the registry's in the program, and one that refuses a write
// in the test of what a failed save leaves behind.
#pragma once

#include <windows.h>

#include <cstdint>

class CValueStore {
 public:
  virtual ~CValueStore() = default;
  // A 4-byte value; false (and `*value` left alone) when it is missing or
  // of another size.
  virtual bool ReadDword(const char* name, std::uint32_t* value) = 0;
  virtual bool Write(const char* name, DWORD type, const void* data,
                     DWORD size) = 0;
  // False when the value is not there or could not be removed.
  virtual bool Remove(const char* name) = 0;
};

// The values of an open registry key, which the caller keeps open.
class CRegistryValueStore : public CValueStore {
 public:
  explicit CRegistryValueStore(HKEY key) : m_key(key) {}
  bool ReadDword(const char* name, std::uint32_t* value) override;
  bool Write(const char* name, DWORD type, const void* data,
             DWORD size) override;
  bool Remove(const char* name) override;

 private:
  HKEY m_key;
};
