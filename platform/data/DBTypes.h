#pragma once
// Enumerations and definitions shared by the fields, the datasets and the
// data packets.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Alignment.h"
#include "DateTimeBase.h"

namespace zar {

// Numbered as the host framework numbers them; only these are supported.
enum TFieldType : std::uint8_t {
  ftUnknown = 0,
  ftString = 1,
  ftSmallint = 2,
  ftBoolean = 5,
  ftCurrency = 7,
  ftDate = 9,
  ftTime = 10,
  ftDateTime = 11,
  ftAutoInc = 14,
  ftDataSet = 29,
  ftTimeStamp = 36,
};

// "String", "Smallint", ... "TimeStamp" for the types above; "Unknown" for any
// other value. Never raises.
std::string_view FieldTypeName(TFieldType type) noexcept;

enum class TDataSetState : std::uint8_t { Inactive, Browse, Edit, Insert, SetKey };

// True for TDataSetState::Edit and TDataSetState::Insert.
inline bool IsEditState(TDataSetState state) noexcept {
  return state == TDataSetState::Edit || state == TDataSetState::Insert;
}

// What a dataset tells its data sources and they tell their data links.
enum TDataEvent : std::uint8_t {
  deFieldChange,      // one field's value changed (the field is passed along)
  deRecordChange,     // the whole current record changed
  deDataSetChange,    // the set of visible records changed
  deDataSetScroll,    // another record became current
  deLayoutChange,     // fields were created or destroyed
  deUpdateRecord,     // controls must store their pending values
  deUpdateState,      // the state (inactive, browse, edit, ...) changed
  deCheckBrowseMode,  // the dataset is about to leave edit mode
};

// Longest string field, in characters.
inline constexpr Integer MaxStringSize = 8192;

struct TFieldDef;

// Field definitions of a dataset or of a nested dataset field.
class TFieldDefs {
 public:
  // Appends a definition as given; nothing is checked until CheckFieldDefs.
  TFieldDef& Add(std::string Name, TFieldType DataType, Integer Size = 0, bool Required = false);
  void Clear() noexcept;
  std::size_t Count() const noexcept;
  bool Empty() const noexcept { return Count() == 0; }
  // Index 0..Count-1; std::out_of_range beyond.
  const TFieldDef& operator[](std::size_t index) const;
  TFieldDef& operator[](std::size_t index);
  // -1 when no definition has that name (names compare case-insensitively).
  int IndexOf(std::string_view Name) const noexcept;
  const TFieldDef* Find(std::string_view Name) const noexcept;  // nullptr when missing

  std::vector<TFieldDef>::const_iterator begin() const noexcept;
  std::vector<TFieldDef>::const_iterator end() const noexcept;

 private:
  std::vector<TFieldDef> FItems;
};

struct TFieldDef {
  std::string Name;
  TFieldType DataType = ftUnknown;
  Integer Size = 0;  // characters of a string field; 0 for every other type
  bool Required = false;
  TFieldDefs ChildDefs;  // fields of a nested dataset (ftDataSet)
};

// Equal names (exactly), types, sizes, Required flags and child definitions.
bool operator==(const TFieldDef& a, const TFieldDef& b) noexcept;
bool operator==(const TFieldDefs& a, const TFieldDefs& b) noexcept;

// Field names compare without regard to ASCII case.
bool SameFieldName(std::string_view a, std::string_view b) noexcept;

// Raises EDatabaseError when the definitions cannot be stored: an unknown
// type, a string size outside 1..MaxStringSize, a name that is empty, repeated
// (in any letter case), "RowState" or not usable as an XML attribute name
// (ASCII letters, digits, '_', '-', '.' and any non-ASCII bytes, not starting
// with a digit, '-' or '.'), nesting deeper than MaxNestingDepth.
void CheckFieldDefs(const TFieldDefs& defs);

// Nested datasets deeper than this are refused, in code and in files.
inline constexpr int MaxNestingDepth = 8;

enum TIndexOption : std::uint8_t { ixPrimary = 1, ixUnique = 2 };

struct TIndexDef {
  std::string Name;
  std::string Fields;    // field names separated by ';'
  std::uint8_t Options;  // TIndexOption bits
};

// Splits "A;B" into its names, trimming spaces; empty names are dropped.
std::vector<std::string> SplitFieldNames(std::string_view names);

}  // namespace zar
