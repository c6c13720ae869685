#pragma once
// The in-memory form of a dataset: fixed-size binary records in one
// contiguous block. A record is a row-state byte, one "has a value" bit per
// field, then one slot per field:
//   string       4-byte length in bytes + 4 bytes: the text itself when it
//                has at most 4 bytes, else where it lies in the layout's text
//                store; so a record costs the same whatever the field's width
//   Boolean      1 byte            smallint   2 bytes
//   auto-inc     4 bytes           currency   8 bytes, units of 1/10000
//   date         4 bytes, day number counting 0001-01-01 as day 1
//   time         4 bytes, milliseconds of the day
//   date-time,   8 bytes, milliseconds counting from the start of day 0
//   time stamp
//   nested       4 bytes, handle of the child store holding its rows
// Every slot other than a string holds an integer "native" value.
// Row and field arguments are not checked: they must lie within the store and
// the layout.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "DBTypes.h"

namespace zar {

// What the change log knows of a row since the last merge.
enum TRowState : std::uint8_t { rsUnchanged = 0, rsInserted = 4, rsModified = 8 };

class TRecordLayout;

// Texts of string values, written once and never moved, so that a record
// and every copy of it can refer to them; freed with the layout.
class TTextStore {
 public:
  // Where the copy of Text lies; raises EDatabaseError "Too much text for one
  // dataset" when the store is full (65536 blocks of 64 KiB).
  std::uint32_t Add(std::string_view Text);
  // The text Add placed at Where, Length bytes long.
  std::string_view Get(std::uint32_t Where, std::uint32_t Length) const noexcept;

 private:
  std::vector<std::unique_ptr<char[]>> FBlocks;
  std::size_t FUsed = 0;  // bytes taken in the last block
};

struct TFieldSlot {
  std::string Name;
  TFieldType Type = ftUnknown;
  std::uint32_t Offset = 0;
  Integer Size = 0;  // characters of a string field
  bool Required = false;
  std::shared_ptr<const TRecordLayout> Child;  // layout of a nested dataset's records
};

class TRecordLayout {
 public:
  // The definitions must have passed CheckFieldDefs.
  explicit TRecordLayout(const TFieldDefs& defs);

  std::size_t RecordSize() const noexcept { return FRecordSize; }  // bytes
  std::size_t FieldCount() const noexcept { return FSlots.size(); }
  // Field 0..FieldCount-1; std::out_of_range beyond.
  const TFieldSlot& Slot(std::size_t field) const { return FSlots.at(field); }
  // The field of that name (ASCII case ignored); -1 when none.
  int IndexOf(std::string_view name) const noexcept;

  static std::uint8_t RowState(const std::byte* row) noexcept {
    return static_cast<std::uint8_t>(row[0]);
  }
  static void SetRowState(std::byte* row, std::uint8_t state) noexcept {
    row[0] = static_cast<std::byte>(state);
  }

  // Whether the field has no value in row; SetNull removes its value.
  bool IsNull(const std::byte* row, std::size_t field) const noexcept;
  void SetNull(std::byte* row, std::size_t field) const noexcept;

  // The native value of a field that is not a string (meaningless when null).
  std::int64_t Native(const std::byte* row, std::size_t field) const noexcept;
  // Raises EDatabaseError naming the field when the value is outside what the
  // field's type holds.
  void SetNative(std::byte* row, std::size_t field, std::int64_t value) const;
  // Whether SetNative would accept value: Boolean 0 or 1, the 16- and 32-bit
  // ranges, days 1..3652059, times 0..86399999 ms, date-times within those
  // days, any currency.
  bool IsValidNative(std::size_t field, std::int64_t value) const noexcept;

  // The text of a string field that has a value; valid while the row and the
  // layout live.
  std::string_view String(const std::byte* row, std::size_t field) const noexcept;
  // Raises EDatabaseError naming the field when the text has more characters
  // than the field's size or holds a NUL character; text is never cut.
  void SetString(std::byte* row, std::size_t field, std::string_view value) const;
  // The same for a search key or a literal compared with the field: any
  // length, since such a record is never stored.
  void SetKeyString(std::byte* row, std::size_t field, std::string_view value) const;

  // Orders two records by one field: -1, 0 or 1; null sorts first, texts by
  // their bytes.
  int Compare(const std::byte* a, const std::byte* b, std::size_t field) const noexcept;

 private:
  void StoreText(std::byte* row, std::size_t field, std::string_view value) const;

  std::vector<TFieldSlot> FSlots;
  std::vector<std::pair<std::uint64_t, std::uint32_t>> FByHash;  // name hash, field; sorted
  std::size_t FNullBytes = 0;
  std::size_t FRecordSize = 0;
  mutable TTextStore FTexts;  // shared by every record of this layout
};

// A hash of a field name that ignores ASCII case, as names compare.
std::uint64_t FieldNameHash(std::string_view name) noexcept;
// Characters of UTF-8 text (bytes that do not continue a character); never raises.
std::size_t Utf8Length(std::string_view text) noexcept;

// Conversions between a TDateTime and the native value of a date, time,
// date-time or time-stamp slot. The first fails (false) for NaN, infinities
// and dates outside 0001-01-01 .. 9999-12-31 (a time keeps only its time of
// day and fails only for what SplitDateTime rejects); values are rounded to
// the millisecond. Neither raises.
bool DateTimeToNative(TFieldType type, TDateTime value, std::int64_t& native) noexcept;
TDateTime NativeToDateTime(TFieldType type, std::int64_t native) noexcept;

// Currency natives count units of 1/10000.
inline constexpr std::int64_t CurrencyScale = 10000;

// The auto-increment counter once the field's largest value was given out:
// no further number can be assigned.
inline constexpr std::int64_t MaxAutoIncCounter = std::int64_t{2147483647} + 1;

// Records of one dataset, or of one record's nested dataset field. Nested
// stores are owned by the store of their master records.
class TRecordStore {
 public:
  explicit TRecordStore(std::shared_ptr<const TRecordLayout> layout);
  TRecordStore(const TRecordStore& other);  // a full copy, nested rows included
  TRecordStore& operator=(const TRecordStore& other);
  TRecordStore(TRecordStore&&) noexcept = default;
  TRecordStore& operator=(TRecordStore&&) noexcept = default;
  ~TRecordStore();

  const TRecordLayout& Layout() const noexcept { return *FLayout; }
  const std::shared_ptr<const TRecordLayout>& LayoutPtr() const noexcept { return FLayout; }

  std::uint32_t Count() const noexcept { return FCount; }
  // Record index 0..Count-1, not checked.
  std::byte* Row(std::uint32_t index) noexcept { return FData.data() + index * RecordSize(); }
  const std::byte* Row(std::uint32_t index) const noexcept {
    return FData.data() + index * RecordSize();
  }
  void Reserve(std::uint32_t count);

  // A blank record: no values, row state "inserted", and an empty child
  // store for every nested field.
  void InitRecord(std::byte* row);
  // Frees the child stores of a record that will not be kept.
  void ReleaseRecord(const std::byte* row) noexcept;
  // Copies a record in; its child stores now belong to the stored row. Append
  // returns the new row's index; Replace overwrites row index; Erase removes it,
  // freeing its child stores (the rows after it move up one).
  std::uint32_t Append(const std::byte* row);
  void Replace(std::uint32_t index, const std::byte* row);
  void Erase(std::uint32_t index);

  // The child store of a nested field's handle, which must not have been freed;
  // std::out_of_range for 0 or a handle beyond those given out.
  TRecordStore& Child(std::uint32_t handle);
  const TRecordStore& Child(std::uint32_t handle) const;

  // The value the next auto-increment field receives.
  std::int64_t NextAutoInc() const noexcept { return FNextAutoInc; }
  void SetNextAutoInc(std::int64_t value) noexcept { FNextAutoInc = value; }

 private:
  std::size_t RecordSize() const noexcept { return FLayout->RecordSize(); }
  std::uint32_t NewChild(std::size_t field);

  std::shared_ptr<const TRecordLayout> FLayout;
  std::vector<std::byte> FData;
  std::uint32_t FCount = 0;
  std::vector<std::unique_ptr<TRecordStore>> FChildren;  // handle h is entry h - 1
  std::vector<std::uint32_t> FFreeHandles;
  std::int64_t FNextAutoInc = 1;
};

}  // namespace zar
