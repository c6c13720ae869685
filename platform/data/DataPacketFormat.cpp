#include "DataPacketFormat.h"

#include <algorithm>
#include <array>

#include "DBConvert.h"
#include "GregorianDates.h"

namespace zar::packet {

namespace {

struct TTypeEntry {
  TFieldType Type;
  TTypeNames Names;
};

constexpr std::array<TTypeEntry, 10> TypeTable{{
    {ftString, {"string", ""}},
    {ftSmallint, {"i2", ""}},
    {ftBoolean, {"boolean", ""}},
    {ftCurrency, {"r8", "Money"}},
    {ftDate, {"date", ""}},
    {ftTime, {"time", ""}},
    {ftDateTime, {"dateTime", ""}},
    {ftTimeStamp, {"SQLdateTime", ""}},
    {ftAutoInc, {"i4", "Autoinc"}},
    {ftDataSet, {"nested", ""}},
}};

void AppendDigits(std::string& out, unsigned value, int width) {
  char digits[10];
  for (int i = width - 1; i >= 0; --i) {
    digits[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  out.append(digits, static_cast<std::size_t>(width));
}

void AppendDate(std::string& out, std::int64_t dayNumber) {
  Word year = 0, month = 0, day = 0;
  DecodeDate(static_cast<TDateTime>(dayNumber - DateDelta), year, month, day);
  AppendDigits(out, year, 4);
  AppendDigits(out, month, 2);
  AppendDigits(out, day, 2);
}

void AppendTime(std::string& out, std::int64_t ms) {
  const auto value = static_cast<unsigned>(ms);
  AppendDigits(out, value / 3600000, 2);
  out += ':';
  AppendDigits(out, value / 60000 % 60, 2);
  out += ':';
  AppendDigits(out, value / 1000 % 60, 2);
  AppendDigits(out, value % 1000, 3);
}

// Reads exactly Width decimal digits at Text[At].
bool ReadDigits(std::string_view text, std::size_t at, std::size_t width, unsigned& value) {
  if (at + width > text.size()) return false;
  value = 0;
  for (std::size_t i = at; i < at + width; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + static_cast<unsigned>(text[i] - '0');
  }
  return true;
}

bool ParseDate(std::string_view text, std::int64_t& dayNumber) {
  unsigned year = 0, month = 0, day = 0;
  TDateTime date = 0;
  if (!ReadDigits(text, 0, 4, year) || !ReadDigits(text, 4, 2, month) ||
      !ReadDigits(text, 6, 2, day) ||
      !TryEncodeDate(static_cast<Word>(year), static_cast<Word>(month), static_cast<Word>(day),
                     date))
    return false;
  dayNumber = static_cast<std::int64_t>(date) + DateDelta;
  return true;
}

bool ParseTime(std::string_view text, std::size_t at, std::int64_t& ms) {
  unsigned hour = 0, minute = 0, second = 0, milli = 0;
  if (text.size() != at + 11 || !ReadDigits(text, at, 2, hour) || text[at + 2] != ':' ||
      !ReadDigits(text, at + 3, 2, minute) || text[at + 5] != ':' ||
      !ReadDigits(text, at + 6, 2, second) || !ReadDigits(text, at + 8, 3, milli) || hour > 23 ||
      minute > 59 || second > 59)
    return false;
  ms = ((hour * 60 + minute) * 60 + second) * 1000LL + milli;
  return true;
}

}  // namespace

TTypeNames NamesOf(TFieldType Type) noexcept {
  for (const TTypeEntry& entry : TypeTable)
    if (entry.Type == Type) return entry.Names;
  return {};
}

TFieldType TypeFromNames(std::string_view FieldType, std::string_view SubType) noexcept {
  for (const TTypeEntry& entry : TypeTable)
    if (entry.Names.FieldType == FieldType && entry.Names.SubType == SubType) return entry.Type;
  return ftUnknown;
}

void AppendEscaped(std::string& Out, std::string_view Text) {
  for (const char c : Text) {
    switch (c) {
      case '<': Out += "&lt;"; break;
      case '>': Out += "&gt;"; break;
      case '"': Out += "&quot;"; break;
      case '&': Out += "&amp;"; break;
      case '\'': Out += "&apos;"; break;
      case '\\': Out += "&#092;"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          // Carriage return, line feed, tab and any other control character.
          Out += "&#";
          AppendDigits(Out, static_cast<unsigned char>(c), 3);
          Out += ';';
        } else {
          Out += c;
        }
    }
  }
}

bool DecodeEntities(std::string_view Raw, std::string& Out) {
  Out.clear();
  while (!Raw.empty()) {
    const std::size_t amp = Raw.find('&');
    Out += Raw.substr(0, amp);
    if (amp == std::string_view::npos) break;
    const std::size_t semicolon = Raw.find(';', amp);
    if (semicolon == std::string_view::npos) return false;
    const std::string_view name = Raw.substr(amp + 1, semicolon - amp - 1);
    Raw.remove_prefix(semicolon + 1);
    constexpr std::array<std::pair<std::string_view, char>, 5> predefined{
        {{"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}}};
    const auto found = std::find_if(predefined.begin(), predefined.end(),
                                    [&](const auto& entry) { return entry.first == name; });
    if (found != predefined.end()) {
      Out += found->second;
      continue;
    }
    if (name.size() < 2 || name.size() > 8 || name[0] != '#') return false;
    const bool hex = name[1] == 'x';
    std::uint32_t code = 0;
    const std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty()) return false;
    for (const char c : digits) {
      unsigned digit = 0;
      if (c >= '0' && c <= '9')
        digit = static_cast<unsigned>(c - '0');
      else if (hex && c >= 'a' && c <= 'f')
        digit = static_cast<unsigned>(c - 'a' + 10);
      else if (hex && c >= 'A' && c <= 'F')
        digit = static_cast<unsigned>(c - 'A' + 10);
      else
        return false;
      code = code * (hex ? 16 : 10) + digit;
    }
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    if (code < 0x80) {
      Out += static_cast<char>(code);
    } else if (code < 0x800) {
      Out += static_cast<char>(0xC0 | (code >> 6));
      Out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      Out += static_cast<char>(0xE0 | (code >> 12));
      Out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      Out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      Out += static_cast<char>(0xF0 | (code >> 18));
      Out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
      Out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
      Out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return true;
}

void AppendValue(std::string& Out, const TRecordLayout& Layout, const std::byte* Row,
                 std::size_t Field) {
  const TFieldType type = Layout.Slot(Field).Type;
  if (type == ftString) return AppendEscaped(Out, Layout.String(Row, Field));
  const std::int64_t native = Layout.Native(Row, Field);
  switch (type) {
    case ftSmallint:
    case ftAutoInc: Out += std::to_string(native); break;
    case ftBoolean: Out += native != 0 ? "TRUE" : "FALSE"; break;
    case ftCurrency: Out += CurrencyToText(native, '.', 0); break;
    case ftDate: AppendDate(Out, native); break;
    case ftTime: AppendTime(Out, native); break;
    case ftDateTime:
    case ftTimeStamp:
      AppendDate(Out, native / MSecsPerDay);
      Out += 'T';
      AppendTime(Out, native % MSecsPerDay);
      break;
    default: break;
  }
}

bool ParseValue(const TRecordLayout& Layout, std::byte* Row, std::size_t Field,
                std::string_view Text) {
  const TFieldSlot& slot = Layout.Slot(Field);
  if (slot.Type == ftString) {
    Layout.SetString(Row, Field, Text);  // raises for text that does not fit
    return true;
  }
  std::int64_t native = 0;
  std::int64_t time = 0;
  bool valid = false;
  switch (slot.Type) {
    case ftSmallint:
    case ftAutoInc: valid = TextToInteger(Text, native); break;
    case ftBoolean:
      valid = Text == "TRUE" || Text == "FALSE";
      native = Text == "TRUE";
      break;
    case ftCurrency: valid = TextToCurrency(Text, '.', native); break;
    case ftDate: valid = Text.size() == 8 && ParseDate(Text, native); break;
    case ftTime: valid = ParseTime(Text, 0, native); break;
    case ftDateTime:
    case ftTimeStamp:
      valid = Text.size() == 20 && Text[8] == 'T' && ParseDate(Text.substr(0, 8), native) &&
              ParseTime(Text, 9, time);
      native = native * MSecsPerDay + time;
      break;
    default: break;
  }
  if (!valid || !Layout.IsValidNative(Field, native)) return false;
  Layout.SetNative(Row, Field, native);
  return true;
}

}  // namespace zar::packet
