#pragma once
// XML data packets: the persistent form of a client dataset, its field
// definitions and records, nested datasets included. One module reads and
// writes them; files are replaced atomically.

#include <cstdint>
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

  // Replaces the value of the parameter Name (names compare exactly), or adds
  // it last.
  void SetParam(const std::string& Name, std::string Value);
  // Removes the parameter Name; nothing when there is none.
  void RemoveParam(std::string_view Name);
};

// What a data file was when it was last read or written, so that a save can
// tell whether another program changed it since.
struct TFileIdentity {
  bool Known = false;   // false: nothing remembered, a save checks nothing
  bool Exists = false;  // false: there was no file
  std::uint64_t Size = 0;
  std::int64_t ModifiedNs = 0;
  std::uint64_t Hash = 0;  // of the whole content
};

// Both raise EDatabaseError "Cannot read data packet <source>: <what is
// wrong>" for a missing or unreadable file, one that is not a regular file,
// text that is not a well-formed packet, a value that does not convert to its
// field's type, records that would take far more memory than the text's size
// allows, or when memory runs out. Identity, when given, receives what the
// file was. ReadDataPacketFile's <source> is "from '<file>'"; ParseDataPacket
// reads Xml from memory and names it SourceName.
TDataPacket ReadDataPacketFile(const std::string& FileName, TFileIdentity* Identity = nullptr);
TDataPacket ParseDataPacket(std::string_view Xml, std::string_view SourceName);

// Writes into a temporary file in the same directory (the target of a
// symbolic link), flushes it to disk and renames it over the file, so that
// the previous file survives any failure; the file keeps its permissions and
// (where allowed) its owner. Saves into one directory hold its advisory lock.
// Refused: a file that is read-only or not a regular file, and, when Expected
// is known, a file that another program changed since Expected was taken;
// afterwards Expected describes the written file.
// Raises EDatabaseError "Cannot write data file '<name>': <reason>".
void WriteDataPacketFile(const TDataPacket& Packet, const std::string& FileName,
                         TFileIdentity* Expected = nullptr);
// The packet as the XML text WriteDataPacketFile writes; raises nothing beyond
// std::bad_alloc.
std::string DataPacketToXml(const TDataPacket& Packet);

}  // namespace zar
