// Writing data packets: the text is produced in one pass over the records,
// in chunks, and a file is replaced only once the new one is safely on disk.

#include <functional>

#include "DataFile.h"
#include "DataPacket.h"
#include "DataPacketFormat.h"

namespace zar {

namespace {

using TSink = std::function<void(std::string_view)>;

// Text is gathered in a buffer and handed to the sink in large pieces.
class TPacketWriter {
 public:
  explicit TPacketWriter(TSink sink) : FSink(std::move(sink)) { FOut.reserve(ChunkSize * 2); }

  void Write(const TDataPacket& packet) {
    FOut += packet::Declaration;
    FOut += "\n<DATAPACKET Version=\"2.0\"><METADATA>";
    WriteFieldDefs(packet.FieldDefs);
    WriteParams(packet);
    FOut += "</METADATA><ROWDATA>";
    WriteRows(packet.Rows);
    FOut += "</ROWDATA></DATAPACKET>\n";
    Flush();
  }

 private:
  static constexpr std::size_t ChunkSize = 1 << 16;

  void Flush() {
    FSink(FOut);
    FOut.clear();
  }

  void WriteAttribute(std::string_view name, std::string_view value) {
    FOut += ' ';
    FOut += name;
    FOut += "=\"";
    packet::AppendEscaped(FOut, value);
    FOut += '"';
  }

  void WriteFieldDefs(const TFieldDefs& defs) {
    FOut += "<FIELDS>";
    for (const TFieldDef& def : defs) {
      const packet::TTypeNames names = packet::NamesOf(def.DataType);
      FOut += "<FIELD";
      WriteAttribute("attrname", def.Name);
      WriteAttribute("fieldtype", names.FieldType);
      if (!names.SubType.empty()) WriteAttribute("SUBTYPE", names.SubType);
      if (def.DataType == ftString) WriteAttribute("WIDTH", std::to_string(def.Size));
      if (def.Required) WriteAttribute("required", "true");
      if (def.DataType == ftDataSet) {
        FOut += '>';
        WriteFieldDefs(def.ChildDefs);
        FOut += "</FIELD>";
      } else {
        FOut += "/>";
      }
    }
    FOut += "</FIELDS>";
  }

  void WriteParams(const TDataPacket& packet) {
    FOut += "<PARAMS";
    for (const auto& [name, value] : packet.Params) WriteAttribute(name, value);
    const TRecordLayout& layout = packet.Rows.Layout();
    for (std::size_t f = 0; f < layout.FieldCount(); ++f) {
      if (layout.Slot(f).Type != ftAutoInc) continue;
      WriteAttribute(packet::AutoIncParam, std::to_string(packet.Rows.NextAutoInc()));
      break;
    }
    FOut += "/>";
  }

  void WriteRows(const TRecordStore& store) {
    const TRecordLayout& layout = store.Layout();
    for (std::uint32_t r = 0; r < store.Count(); ++r) {
      const std::byte* row = store.Row(r);
      FOut += "<ROW RowState=\"";
      FOut += std::to_string(TRecordLayout::RowState(row));
      FOut += '"';
      bool hasNestedRows = false;
      for (std::size_t f = 0; f < layout.FieldCount(); ++f) {
        const TFieldSlot& slot = layout.Slot(f);
        if (slot.Type == ftDataSet) {
          hasNestedRows |=
              store.Child(static_cast<std::uint32_t>(layout.Native(row, f))).Count() > 0;
          continue;
        }
        if (layout.IsNull(row, f)) continue;
        FOut += ' ';
        FOut += slot.Name;
        FOut += "=\"";
        packet::AppendValue(FOut, layout, row, f);
        FOut += '"';
      }
      if (hasNestedRows) {
        FOut += '>';
        WriteNestedRows(store, row);
        FOut += "</ROW>";
      } else {
        FOut += "/>";
      }
      if (FOut.size() >= ChunkSize) Flush();
    }
  }

  void WriteNestedRows(const TRecordStore& store, const std::byte* row) {
    const TRecordLayout& layout = store.Layout();
    for (std::size_t f = 0; f < layout.FieldCount(); ++f) {
      if (layout.Slot(f).Type != ftDataSet) continue;
      const TRecordStore& child = store.Child(static_cast<std::uint32_t>(layout.Native(row, f)));
      if (child.Count() == 0) continue;
      FOut += '<';
      FOut += layout.Slot(f).Name;
      FOut += '>';
      WriteRows(child);
      FOut += "</";
      FOut += layout.Slot(f).Name;
      FOut += '>';
    }
  }

  TSink FSink;
  std::string FOut;
};

}  // namespace

void WriteDataPacketFile(const TDataPacket& Packet, const std::string& FileName,
                         TFileIdentity* Expected) {
  datafile::TSaver saver(FileName);
  saver.Begin(Expected);
  TPacketWriter writer([&](std::string_view chunk) { saver.Write(chunk); });
  writer.Write(Packet);
  saver.Commit(Expected);
}

std::string DataPacketToXml(const TDataPacket& Packet) {
  std::string xml;
  TPacketWriter writer([&](std::string_view chunk) { xml += chunk; });
  writer.Write(Packet);
  return xml;
}

}  // namespace zar
