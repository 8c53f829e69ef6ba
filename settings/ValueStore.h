// settings/ValueStore.h: the values of the settings key as a save reads and
// writes them: the registry's in the program, and one that refuses a write
// in the test of what a failed save leaves behind.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class CValueStore {
 public:
  // What Read found.
  enum class Found {
    kValue,       // the value, read whole
    kMissing,     // no value of that name
    kUnreadable,  // a value that could not be read (`*type`, `*data` anything)
  };

  virtual ~CValueStore() = default;
  // A 4-byte value; false (and `*value` left alone) when it is missing or
  // of another size.
  virtual bool ReadDword(const char* name, std::uint32_t* value) = 0;
  // The type and whole data of value `name`, whatever its size: what a save
  // puts back when a later write is refused.
  virtual Found Read(const char* name, DWORD* type,
                     std::vector<unsigned char>* data) = 0;
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
  Found Read(const char* name, DWORD* type,
             std::vector<unsigned char>* data) override;
  bool Write(const char* name, DWORD type, const void* data,
             DWORD size) override;
  bool Remove(const char* name) override;

 private:
  HKEY m_key;
};

// The values one save writes, written together: the store ends up holding
// all of them, or, when a write is refused, the values it held before.
class CValueWrites {
 public:
  // Adds value `name` to the writes, after those added before; false when
  // memory runs out.
  bool Add(const char* name, DWORD type, const void* data, DWORD size);
  bool AddDword(const char* name, std::uint32_t value);

  // Writes the values in the order they were added, reading before each
  // write the value it replaces. On the first write refused (or a value
  // that cannot be read), puts back every value already written, the last
  // first: its old type and data, or its removal when it was not there;
  // and answers false. A put-back refused in turn is passed over.
  //
  // The last write is not read first: nothing after it can fail, so what
  // it replaces is never put back, and a save of a single value (a tab
  // switch, a scroll) reads nothing.
  bool Apply(CValueStore& store) const;

 private:
  struct Value {
    std::string name;
    DWORD type;
    std::vector<unsigned char> data;
  };
  std::vector<Value> m_values;
};
