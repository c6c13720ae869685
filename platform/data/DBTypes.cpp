#include "DBTypes.h"

#include <algorithm>

#include "DBErrors.h"
#include "DBRecords.h"

namespace zar {

namespace {

bool IsAsciiLetter(unsigned char c) noexcept {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Names become XML attribute and element names in the data packet, so they
// are limited to what XML accepts there (bytes of non-ASCII characters are
// taken as letters).
bool IsStorableName(std::string_view name) noexcept {
  if (name.empty()) return false;
  const auto first = static_cast<unsigned char>(name.front());
  if (!IsAsciiLetter(first) && first != '_' && first < 0x80) return false;
  for (const char ch : name) {
    const auto c = static_cast<unsigned char>(ch);
    if (!IsAsciiLetter(c) && !(c >= '0' && c <= '9') && c != '_' && c != '-' && c != '.' &&
        c < 0x80)
      return false;
  }
  return true;
}

bool IsSupported(TFieldType type) noexcept { return FieldTypeName(type) != "Unknown"; }

void CheckFieldDefsAt(const TFieldDefs& defs, int depth) {
  if (depth > MaxNestingDepth)
    DatabaseError("Nested datasets are deeper than " + std::to_string(MaxNestingDepth) + " levels");
  for (std::size_t i = 0; i < defs.Count(); ++i) {
    const TFieldDef& def = defs[i];
    if (!IsStorableName(def.Name))
      DatabaseError("Field name " + Quoted(def.Name) + " is not a valid name");
    if (SameFieldName(def.Name, "RowState"))
      DatabaseError("Field name " + Quoted(def.Name) + " is reserved");

    if (!IsSupported(def.DataType))
      DatabaseError("Field " + Quoted(def.Name) + " has an unsupported type");
    if (def.DataType == ftString && (def.Size < 1 || def.Size > MaxStringSize))
      DatabaseError("Field " + Quoted(def.Name) + " has an invalid size " +
                    std::to_string(def.Size) + " (1 to " + std::to_string(MaxStringSize) +
                    " characters)");
    if (def.DataType == ftDataSet) CheckFieldDefsAt(def.ChildDefs, depth + 1);
  }
  // Repeated names, found by sorting their hashes: one pass whatever the
  // number of fields. The later of two equal names is reported.
  std::vector<std::pair<std::uint64_t, std::size_t>> hashes;
  hashes.reserve(defs.Count());
  for (std::size_t i = 0; i < defs.Count(); ++i)
    hashes.emplace_back(FieldNameHash(defs[i].Name), i);
  std::sort(hashes.begin(), hashes.end());
  std::size_t repeated = defs.Count();
  for (std::size_t i = 0; i < hashes.size(); ++i)
    for (std::size_t j = i + 1; j < hashes.size() && hashes[j].first == hashes[i].first; ++j)
      if (SameFieldName(defs[hashes[i].second].Name, defs[hashes[j].second].Name))
        repeated = std::min(repeated, hashes[j].second);
  if (repeated < defs.Count())
    DatabaseError("Field name " + Quoted(defs[repeated].Name) + " is used more than once");
}

}  // namespace

std::string_view FieldTypeName(TFieldType type) noexcept {
  switch (type) {
    case ftString: return "String";
    case ftSmallint: return "Smallint";
    case ftBoolean: return "Boolean";
    case ftCurrency: return "Currency";
    case ftDate: return "Date";
    case ftTime: return "Time";
    case ftDateTime: return "DateTime";
    case ftAutoInc: return "AutoInc";
    case ftDataSet: return "DataSet";
    case ftTimeStamp: return "TimeStamp";
    case ftUnknown: break;
  }
  return "Unknown";
}

TFieldDef& TFieldDefs::Add(std::string Name, TFieldType DataType, Integer Size, bool Required) {
  TFieldDef& def = FItems.emplace_back();
  def.Name = std::move(Name);
  def.DataType = DataType;
  def.Size = Size;
  def.Required = Required;
  return def;
}

void TFieldDefs::Clear() noexcept { FItems.clear(); }
std::size_t TFieldDefs::Count() const noexcept { return FItems.size(); }
const TFieldDef& TFieldDefs::operator[](std::size_t index) const { return FItems.at(index); }
TFieldDef& TFieldDefs::operator[](std::size_t index) { return FItems.at(index); }

int TFieldDefs::IndexOf(std::string_view Name) const noexcept {
  for (std::size_t i = 0; i < FItems.size(); ++i)
    if (SameFieldName(FItems[i].Name, Name)) return static_cast<int>(i);
  return -1;
}

const TFieldDef* TFieldDefs::Find(std::string_view Name) const noexcept {
  const int index = IndexOf(Name);
  return index < 0 ? nullptr : &FItems[static_cast<std::size_t>(index)];
}

std::vector<TFieldDef>::const_iterator TFieldDefs::begin() const noexcept { return FItems.begin(); }
std::vector<TFieldDef>::const_iterator TFieldDefs::end() const noexcept { return FItems.end(); }

bool operator==(const TFieldDef& a, const TFieldDef& b) noexcept {
  return a.Name == b.Name && a.DataType == b.DataType && a.Size == b.Size &&
         a.Required == b.Required && a.ChildDefs == b.ChildDefs;
}

bool operator==(const TFieldDefs& a, const TFieldDefs& b) noexcept {
  if (a.Count() != b.Count()) return false;
  for (std::size_t i = 0; i < a.Count(); ++i)
    if (!(a[i] == b[i])) return false;
  return true;
}

bool SameFieldName(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

void CheckFieldDefs(const TFieldDefs& defs) { CheckFieldDefsAt(defs, 1); }

std::vector<std::string> SplitFieldNames(std::string_view names) {
  std::vector<std::string> result;
  std::size_t start = 0;
  while (start <= names.size()) {
    std::size_t end = names.find(';', start);
    if (end == std::string_view::npos) end = names.size();
    std::string_view name = names.substr(start, end - start);
    while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
    while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
    if (!name.empty()) result.emplace_back(name);
    start = end + 1;
  }
  return result;
}

}  // namespace zar
