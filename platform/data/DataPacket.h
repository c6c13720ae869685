#pragma once
// XML data packets: the persistent form of a client dataset, its field
// definitions and records, nested datasets included. One module reads and
// writes them; files are replaced atomically.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "DBRecords.h"
#include "DBTypes.h"

namespace zar {

struct TDataPacket {
  // The definitions must pass CheckFieldDefs (raises EDatabaseError).
  explicit TDataPacket(TFieldDefs Defs);

  TFieldDefs FieldDefs;
  TRecordStore Rows;
  // PARAMS attributes in file order, such as DEFAULT_ORDER or PRIMARY_KEY;
  // AUTOINCVALUE is kept in Rows instead.
  std::vector<std::pair<std::string, std::string>> Params;

  void SetParam(const std::string& Name, std::string Value);
  void RemoveParam(std::string_view Name);
};

// Both raise EDatabaseError "Cannot read data packet <source>: <what is
// wrong>" for a missing or unreadable file, text that is not a well-formed
// packet, or a value that does not convert to its field's type.
TDataPacket ReadDataPacketFile(const std::string& FileName);
TDataPacket ParseDataPacket(std::string_view Xml, std::string_view SourceName);

// Writes into a temporary file in the same directory, flushes it to disk and
// renames it over FileName, so that the previous file survives any failure.
// Raises EDatabaseError "Cannot write data file '<name>': <reason>".
void WriteDataPacketFile(const TDataPacket& Packet, const std::string& FileName);
std::string DataPacketToXml(const TDataPacket& Packet);

}  // namespace zar
