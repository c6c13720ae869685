#include "DBRecords.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "DBErrors.h"
#include "DBMessages.h"

namespace zar {

namespace {

// The last day number the packets can write: 9999-12-31.
constexpr std::int64_t MaxDayNumber = 3652059;

std::uint32_t SlotWidth(const TFieldSlot& slot) noexcept {
  switch (slot.Type) {
    case ftString: return 8;
    case ftBoolean: return 1;
    case ftSmallint: return 2;
    case ftAutoInc:
    case ftDate:
    case ftTime:
    case ftDataSet: return 4;
    case ftCurrency:
    case ftDateTime:
    case ftTimeStamp: return 8;
    case ftUnknown: break;
  }
  return 0;
}

template <typename T>
T Load(const std::byte* at) noexcept {
  T value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

template <typename T>
void Store(std::byte* at, T value) noexcept {
  std::memcpy(at, &value, sizeof value);
}

constexpr std::size_t TextBlockSize = std::size_t{1} << 16;
constexpr std::uint32_t InlineText = 4;

}  // namespace

std::uint64_t FieldNameHash(std::string_view name) noexcept {
  std::uint64_t hash = 14695981039346656037ull;
  for (char c : name) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return hash;
}

std::size_t Utf8Length(std::string_view text) noexcept {
  std::size_t count = 0;
  for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

// Blocks of 64 KiB hold the texts (the longest value fits one); a text never
// spans two blocks, so that it stays one contiguous view.
std::uint32_t TTextStore::Add(std::string_view Text) {
  if (Text.size() > TextBlockSize) {  // a search key longer than any value
    if (FBlocks.size() >= TextBlockSize) DatabaseError(STooMuchText);
    FBlocks.push_back(std::make_unique<char[]>(Text.size()));
    std::memcpy(FBlocks.back().get(), Text.data(), Text.size());
    FUsed = TextBlockSize;  // the next text starts a block of its own
    return static_cast<std::uint32_t>((FBlocks.size() - 1) << 16);
  }
  if (FBlocks.empty() || FUsed + Text.size() > TextBlockSize) {
    if (FBlocks.size() >= TextBlockSize) DatabaseError(STooMuchText);
    FBlocks.push_back(std::make_unique<char[]>(TextBlockSize));
    FUsed = 0;
  }
  const auto where = static_cast<std::uint32_t>(((FBlocks.size() - 1) << 16) | FUsed);
  std::memcpy(FBlocks.back().get() + FUsed, Text.data(), Text.size());
  FUsed += Text.size();
  return where;
}

std::string_view TTextStore::Get(std::uint32_t Where, std::uint32_t Length) const noexcept {
  return {FBlocks[Where >> 16].get() + (Where & 0xFFFF), Length};
}

TRecordLayout::TRecordLayout(const TFieldDefs& defs) {
  FNullBytes = (defs.Count() + 7) / 8;
  FSlots.reserve(defs.Count());
  FByHash.reserve(defs.Count());
  std::uint32_t offset = static_cast<std::uint32_t>(1 + FNullBytes);
  for (const TFieldDef& def : defs) {
    TFieldSlot& slot = FSlots.emplace_back();
    slot.Name = def.Name;
    slot.Type = def.DataType;
    slot.Offset = offset;
    slot.Size = def.DataType == ftString ? def.Size : 0;
    slot.Required = def.Required;
    if (def.DataType == ftDataSet) slot.Child = std::make_shared<TRecordLayout>(def.ChildDefs);
    offset += SlotWidth(slot);
    FByHash.emplace_back(FieldNameHash(def.Name), static_cast<std::uint32_t>(FSlots.size() - 1));
  }
  FRecordSize = offset;
  std::sort(FByHash.begin(), FByHash.end());
}

int TRecordLayout::IndexOf(std::string_view name) const noexcept {
  // Names sorted by hash: a binary search, compact whatever the number of
  // fields; equal hashes are told apart by the names themselves.
  const std::uint64_t hash = FieldNameHash(name);
  auto at = std::lower_bound(FByHash.begin(), FByHash.end(),
                             std::pair<std::uint64_t, std::uint32_t>(hash, 0));
  for (; at != FByHash.end() && at->first == hash; ++at)
    if (SameFieldName(FSlots[at->second].Name, name)) return static_cast<int>(at->second);
  return -1;
}

bool TRecordLayout::IsNull(const std::byte* row, std::size_t field) const noexcept {
  const auto bits = static_cast<unsigned>(row[1 + field / 8]);
  return (bits & (1u << (field % 8))) == 0;
}

void TRecordLayout::SetNull(std::byte* row, std::size_t field) const noexcept {
  row[1 + field / 8] &= static_cast<std::byte>(~(1u << (field % 8)));
}

std::int64_t TRecordLayout::Native(const std::byte* row, std::size_t field) const noexcept {
  const TFieldSlot& slot = FSlots[field];
  const std::byte* at = row + slot.Offset;
  switch (slot.Type) {
    case ftBoolean: return Load<std::uint8_t>(at);
    case ftSmallint: return Load<std::int16_t>(at);
    case ftAutoInc:
    case ftDate:
    case ftTime: return Load<std::int32_t>(at);
    case ftDataSet: return Load<std::uint32_t>(at);
    case ftCurrency:
    case ftDateTime:
    case ftTimeStamp: return Load<std::int64_t>(at);
    case ftString:
    case ftUnknown: break;
  }
  return 0;
}

bool TRecordLayout::IsValidNative(std::size_t field, std::int64_t value) const noexcept {
  switch (FSlots[field].Type) {
    case ftBoolean: return value == 0 || value == 1;
    case ftSmallint:
      return value >= std::numeric_limits<std::int16_t>::min() &&
             value <= std::numeric_limits<std::int16_t>::max();
    case ftAutoInc:
      return value >= std::numeric_limits<std::int32_t>::min() &&
             value <= std::numeric_limits<std::int32_t>::max();
    case ftDataSet: return value >= 0 && value <= std::numeric_limits<std::uint32_t>::max();
    case ftDate: return value >= 1 && value <= MaxDayNumber;
    case ftTime: return value >= 0 && value < MSecsPerDay;
    case ftDateTime:
    case ftTimeStamp: return value >= MSecsPerDay && value < (MaxDayNumber + 1) * MSecsPerDay;
    case ftCurrency: return true;
    case ftString:
    case ftUnknown: break;
  }
  return false;
}

void TRecordLayout::SetNative(std::byte* row, std::size_t field, std::int64_t value) const {
  const TFieldSlot& slot = FSlots[field];
  if (!IsValidNative(field, value)) DatabaseError(SValueOutOfRange + Quoted(slot.Name));
  std::byte* at = row + slot.Offset;
  switch (slot.Type) {
    case ftBoolean: Store(at, static_cast<std::uint8_t>(value)); break;
    case ftSmallint: Store(at, static_cast<std::int16_t>(value)); break;
    case ftAutoInc:
    case ftDate:
    case ftTime: Store(at, static_cast<std::int32_t>(value)); break;
    case ftDataSet: Store(at, static_cast<std::uint32_t>(value)); break;
    case ftCurrency:
    case ftDateTime:
    case ftTimeStamp: Store(at, value); break;
    case ftString:
    case ftUnknown: return;
  }
  row[1 + field / 8] |= static_cast<std::byte>(1u << (field % 8));
}

std::string_view TRecordLayout::String(const std::byte* row, std::size_t field) const noexcept {
  const std::byte* at = row + FSlots[field].Offset;
  const auto length = Load<std::uint32_t>(at);
  if (length <= InlineText) return {reinterpret_cast<const char*>(at + 4), length};
  return FTexts.Get(Load<std::uint32_t>(at + 4), length);
}

void TRecordLayout::SetString(std::byte* row, std::size_t field, std::string_view value) const {
  const TFieldSlot& slot = FSlots[field];
  if (value.find('\0') != std::string_view::npos)
    DatabaseError("Field " + Quoted(slot.Name) + " cannot hold a NUL character");
  const std::size_t characters = Utf8Length(value);
  if (characters > static_cast<std::size_t>(slot.Size))
    DatabaseError("Text of " + std::to_string(characters) + " characters does not fit field " +
                  Quoted(slot.Name) + " (at most " + std::to_string(slot.Size) + ")");
  StoreText(row, field, value);
}

void TRecordLayout::SetKeyString(std::byte* row, std::size_t field, std::string_view value) const {
  if (value.size() > 0xFFFFFFFFu)
    DatabaseError("Text too long for field " + Quoted(FSlots[field].Name));
  StoreText(row, field, value);
}

void TRecordLayout::StoreText(std::byte* row, std::size_t field, std::string_view value) const {
  std::byte* at = row + FSlots[field].Offset;
  const auto length = static_cast<std::uint32_t>(value.size());
  if (length <= InlineText) {
    std::memset(at + 4, 0, InlineText);
    std::memcpy(at + 4, value.data(), length);
  } else if (IsNull(row, field) || String(row, field) != value) {
    Store(at + 4, FTexts.Add(value));
  }
  Store(at, length);
  row[1 + field / 8] |= static_cast<std::byte>(1u << (field % 8));
}

int TRecordLayout::Compare(const std::byte* a, const std::byte* b,
                           std::size_t field) const noexcept {
  const bool nullA = IsNull(a, field);
  const bool nullB = IsNull(b, field);
  if (nullA || nullB) return static_cast<int>(nullB) - static_cast<int>(nullA);
  if (FSlots[field].Type == ftString) {
    const int order = String(a, field).compare(String(b, field));
    return (order > 0) - (order < 0);
  }
  const std::int64_t x = Native(a, field);
  const std::int64_t y = Native(b, field);
  return (x > y) - (x < y);
}

bool DateTimeToNative(TFieldType type, TDateTime value, std::int64_t& native) noexcept {
  std::int64_t day = 0;
  Integer ms = 0;
  if (!SplitDateTime(value, day, ms)) return false;
  const std::int64_t dayNumber = day + DateDelta;
  if (type == ftTime) {
    native = ms;
    return true;
  }
  if (dayNumber < 1 || dayNumber > MaxDayNumber) return false;
  native = type == ftDate ? dayNumber : dayNumber * MSecsPerDay + ms;
  return true;
}

TDateTime NativeToDateTime(TFieldType type, std::int64_t native) noexcept {
  switch (type) {
    case ftDate: return static_cast<TDateTime>(native - DateDelta);
    case ftTime: return static_cast<TDateTime>(native) / MSecsPerDay;
    default: break;
  }
  const auto day = static_cast<TDateTime>(native / MSecsPerDay - DateDelta);
  const auto time = static_cast<TDateTime>(native % MSecsPerDay) / MSecsPerDay;
  return CombineDateTime(day, time);
}

TRecordStore::TRecordStore(std::shared_ptr<const TRecordLayout> layout)
    : FLayout(std::move(layout)) {}

TRecordStore::TRecordStore(const TRecordStore& other)
    : FLayout(other.FLayout),
      FData(other.FData),
      FCount(other.FCount),
      FFreeHandles(other.FFreeHandles),
      FNextAutoInc(other.FNextAutoInc) {
  FChildren.reserve(other.FChildren.size());
  for (const auto& child : other.FChildren)
    FChildren.push_back(child ? std::make_unique<TRecordStore>(*child) : nullptr);
}

TRecordStore& TRecordStore::operator=(const TRecordStore& other) {
  if (this != &other) *this = TRecordStore(other);
  return *this;
}

TRecordStore::~TRecordStore() = default;

void TRecordStore::Reserve(std::uint32_t count) { FData.reserve(count * RecordSize()); }

std::uint32_t TRecordStore::NewChild(std::size_t field) {
  auto child = std::make_unique<TRecordStore>(FLayout->Slot(field).Child);
  if (!FFreeHandles.empty()) {
    const std::uint32_t handle = FFreeHandles.back();
    FFreeHandles.pop_back();
    FChildren[handle - 1] = std::move(child);
    return handle;
  }
  FChildren.push_back(std::move(child));
  return static_cast<std::uint32_t>(FChildren.size());
}

void TRecordStore::InitRecord(std::byte* row) {
  std::memset(row, 0, RecordSize());
  TRecordLayout::SetRowState(row, rsInserted);
  for (std::size_t f = 0; f < FLayout->FieldCount(); ++f)
    if (FLayout->Slot(f).Type == ftDataSet) FLayout->SetNative(row, f, NewChild(f));
}

void TRecordStore::ReleaseRecord(const std::byte* row) noexcept {
  for (std::size_t f = 0; f < FLayout->FieldCount(); ++f) {
    if (FLayout->Slot(f).Type != ftDataSet || FLayout->IsNull(row, f)) continue;
    const auto handle = static_cast<std::uint32_t>(FLayout->Native(row, f));
    if (handle == 0 || handle > FChildren.size() || !FChildren[handle - 1]) continue;
    FChildren[handle - 1].reset();
    FFreeHandles.push_back(handle);
  }
}

std::uint32_t TRecordStore::Append(const std::byte* row) {
  FData.insert(FData.end(), row, row + RecordSize());
  return FCount++;
}

void TRecordStore::Replace(std::uint32_t index, const std::byte* row) {
  std::memmove(Row(index), row, RecordSize());
}

void TRecordStore::Erase(std::uint32_t index) {
  ReleaseRecord(Row(index));
  const auto begin = FData.begin() + static_cast<std::ptrdiff_t>(index * RecordSize());
  FData.erase(begin, begin + static_cast<std::ptrdiff_t>(RecordSize()));
  --FCount;
}

TRecordStore& TRecordStore::Child(std::uint32_t handle) { return *FChildren.at(handle - 1); }
const TRecordStore& TRecordStore::Child(std::uint32_t handle) const {
  return *FChildren.at(handle - 1);
}

}  // namespace zar
