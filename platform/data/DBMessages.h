#pragma once
// Texts of the dataset layer's errors that more than one place raises, kept
// once so that the places cannot drift apart. Private to the layer.

#include <string>
#include <string_view>

#include "DBErrors.h"

namespace zar {

// Followed by the quoted field name.
inline constexpr char SValueOutOfRange[] = "Value out of range for field ";
inline constexpr char SNotEditing[] = "Dataset not in edit or insert mode";
inline constexpr char SRangeNeedsIndex[] = "A range needs index field names";
inline constexpr char SRecordNotFound[] = "Record not found";
inline constexpr char STooMuchText[] = "Too much text for one dataset";
inline constexpr char SNestedHasNoPacket[] = "A nested dataset has no data packet of its own";

// Data files: followed by the quoted file name and the reason.
inline constexpr char SCannotWriteDataFile[] = "Cannot write data file ";
inline constexpr char SCannotReadPacketFrom[] = "Cannot read data packet from ";
// Followed by where the packet comes from ("from 'name'").
inline constexpr char SCannotReadPacket[] = "Cannot read data packet ";
// Reasons, after the file's part of the message.
inline constexpr char SNotEnoughMemory[] = "not enough memory";
inline constexpr char SFileDoesNotExist[] = "the file does not exist";
inline constexpr char SFileCannotBeRead[] = "the file cannot be read";

// A data packet's structure: followed by the quoted name of the node.
inline constexpr char SUnexpectedElement[] = "unexpected element ";
inline constexpr char SUnexpectedTextIn[] = "unexpected text in ";

// Whole messages around a name, quoted as every message of the layer does.
inline std::string FieldNotFound(std::string_view Name) {
  return "Field " + Quoted(Name) + " not found";
}
inline std::string FieldHasNoDataSet(std::string_view Name) {
  return "Field " + Quoted(Name) + " has no dataset";
}
inline std::string MoreThanOneElement(std::string_view Parent, std::string_view Name) {
  return "element " + Quoted(Parent) + " has more than one " + Quoted(Name);
}

}  // namespace zar
