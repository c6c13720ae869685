#pragma once
// Internal to the data packet module: the type names of FIELD elements and
// the text form of values in ROW attributes.
//   string "text"              i2, i4 "-12"            boolean "TRUE" / "FALSE"
//   r8 Money "1234.5"          date "20240320"         time "18:00:00000"
//   dateTime, SQLdateTime "20240320T18:00:00000"

#include <cstddef>
#include <string>
#include <string_view>

#include "DBRecords.h"

namespace zar::packet {

inline constexpr std::string_view Declaration = "<?xml version=\"1.0\" standalone=\"yes\"?>";
inline constexpr std::string_view AutoIncParam = "AUTOINCVALUE";

struct TTypeNames {
  std::string_view FieldType;
  std::string_view SubType;  // empty when the type has none
};

TTypeNames NamesOf(TFieldType Type) noexcept;
// ftUnknown when the pair names no supported type.
TFieldType TypeFromNames(std::string_view FieldType, std::string_view SubType) noexcept;

// Appends the value of a non-null, non-nested column, escaped for an
// attribute.
void AppendValue(std::string& Out, const TRecordLayout& Layout, const std::byte* Row,
                 std::size_t Field);
void AppendEscaped(std::string& Out, std::string_view Text);
// Replaces the predefined entities and character references of an attribute
// value; false for anything else after '&' (pugixml would leave it as is).
bool DecodeEntities(std::string_view Raw, std::string& Out);
// Stores the (unescaped) text of an attribute; false when it is not a value
// of the column's type; raises EDatabaseError for text longer than its field.
bool ParseValue(const TRecordLayout& Layout, std::byte* Row, std::size_t Field,
                std::string_view Text);

}  // namespace zar::packet
