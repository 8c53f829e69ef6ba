// customize/portable/HiddenTypeList.cpp
#include "customize/portable/HiddenTypeList.h"

#include <algorithm>
#include <utility>

#include "shell/portable/NoCase.h"

namespace qv {

namespace {

std::string Field(const std::string& text, std::size_t limit) {
  std::string field = text.substr(0, limit);
  std::replace(field.begin(), field.end(), '\t', ' ');
  return field;
}

bool Before(const std::string& a, const std::string& b) {
  const int order = CompareNoCase(a.c_str(), b.c_str());
  return order != 0 ? order < 0 : a < b;
}

}  // namespace

std::string MakeHiddenType(const std::string& extension,
                           const std::string& description) {
  if (extension.empty() || description.empty()) return {};
  return Field(extension, kTypeExtensionLimit) + '\t' +
         Field(description, kTypeDescriptionLimit);
}

HiddenTypeList::HiddenTypeList(std::vector<std::string> entries)
    : m_entries(std::move(entries)) {
  std::stable_sort(m_entries.begin(), m_entries.end(), Before);
}

int HiddenTypeList::Add(const std::string& entry) {
  const auto place =
      std::upper_bound(m_entries.begin(), m_entries.end(), entry, Before);
  const auto added = m_entries.insert(place, entry);
  return static_cast<int>(added - m_entries.begin());
}

bool HiddenTypeList::Remove(int index) {
  if (index < 0 || index >= static_cast<int>(m_entries.size())) return false;
  m_entries.erase(m_entries.begin() + index);
  return true;
}

}  // namespace qv
