// Reading data packets with pugixml. Every departure from the format is an
// error naming the source and the problem; nothing is guessed.

#include <pugixml.hpp>

#include <algorithm>
#include <new>

#include "DBConvert.h"
#include "DBErrors.h"
#include "DBMessages.h"
#include "DataFile.h"
#include "DataPacket.h"
#include "DataPacketFormat.h"

namespace zar {

namespace {

// Entities are decoded by the reader itself, which refuses the undefined
// ones that pugixml would pass through as text.
constexpr unsigned ParseOptions =
    (pugi::parse_default & ~pugi::parse_escapes) | pugi::parse_doctype;

// Records are fixed-size, so an empty row costs a slot per field however
// short its text is; the records of a packet may take this much memory, so
// that no file can make opening it take far more than its own size.
constexpr std::size_t RecordMemoryBase = std::size_t{64} << 20;
constexpr std::size_t RecordMemoryPerByte = 16;

class TPacketReader {
 public:
  TPacketReader(std::string source, std::size_t textSize)
      : FSource(std::move(source)),
        FRecordAllowance(RecordMemoryBase + RecordMemoryPerByte * textSize) {}

  [[noreturn]] void Fail(const std::string& what) const {
    DatabaseError(SCannotReadPacket + FSource + ": " + what);
  }

  void CheckLoad(const pugi::xml_parse_result& result) const {
    if (result) return;
    switch (result.status) {
      case pugi::status_file_not_found: Fail(SFileDoesNotExist);
      case pugi::status_io_error: Fail(SFileCannotBeRead);
      case pugi::status_out_of_memory: Fail(SNotEnoughMemory);
      default:
        Fail(std::string(result.description()) + " at offset " + std::to_string(result.offset));
    }
  }

  TDataPacket Read(const pugi::xml_document& document) {
    pugi::xml_node root;
    for (const pugi::xml_node node : document.children()) {
      if (node.type() == pugi::node_doctype) Fail("document type declarations are not allowed");
      if (node.type() != pugi::node_element) continue;
      if (root) Fail("more than one root element");
      root = node;
    }
    if (!root) Fail("no root element");
    if (std::string_view(root.name()) != "DATAPACKET")
      Fail("the root element is " + Quoted(root.name()) + " instead of 'DATAPACKET'");
    const pugi::xml_node metadata = OnlyChild(root, "METADATA");
    const pugi::xml_node rowData = OnlyChild(root, "ROWDATA");
    CheckChildren(root, {"METADATA", "ROWDATA"});
    CheckChildren(metadata, {"FIELDS", "PARAMS"});
    TFieldDefs defs;
    ReadFieldDefs(OnlyChild(metadata, "FIELDS"), defs, 1);
    try {
      CheckFieldDefs(defs);
    } catch (const EDatabaseError& error) {
      Fail(error.Message());
    }
    TDataPacket packet(std::move(defs));
    if (const pugi::xml_node params = metadata.child("PARAMS")) ReadParams(params, packet);
    ReadRows(rowData, packet.Rows, "");
    return packet;
  }

 private:
  // An attribute's value with its entities decoded; Scratch holds the text
  // when it had any.
  std::string_view Value(pugi::xml_attribute attribute, std::string& scratch,
                         const std::string& where) const {
    const std::string_view raw = attribute.value();
    if (raw.find('&') == std::string_view::npos) return raw;
    if (!packet::DecodeEntities(raw, scratch)) Fail(where + ": undefined entity in " + Quoted(raw));
    return scratch;
  }

  // The one child element of that name; its absence or a second is an error.
  pugi::xml_node OnlyChild(pugi::xml_node parent, const char* name) const {
    const pugi::xml_node child = parent.child(name);
    if (!child) Fail("element " + Quoted(parent.name()) + " has no " + Quoted(name));
    if (child.next_sibling(name)) Fail(MoreThanOneElement(parent.name(), name));
    return child;
  }

  // Element children must be among the names given, each at most once; text
  // other than blanks is refused.
  void CheckChildren(pugi::xml_node parent, std::initializer_list<std::string_view> names) const {
    std::vector<std::string_view> seen;
    for (const pugi::xml_node child : parent.children()) {
      if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata)
        Fail(SUnexpectedTextIn + Quoted(parent.name()));
      if (child.type() != pugi::node_element) continue;
      const std::string_view name = child.name();
      if (std::find(names.begin(), names.end(), name) == names.end())
        Fail(SUnexpectedElement + Quoted(name) + " in " + Quoted(parent.name()));
      if (std::find(seen.begin(), seen.end(), name) != seen.end())
        Fail(MoreThanOneElement(parent.name(), name));
      seen.push_back(name);
    }
  }

  void CheckAttributes(pugi::xml_node node, std::initializer_list<std::string_view> names) const {
    std::vector<std::string_view> seen;
    for (const pugi::xml_attribute attribute : node.attributes()) {
      const std::string_view name = attribute.name();
      if (std::find(names.begin(), names.end(), name) == names.end())
        Fail("unexpected attribute " + Quoted(name) + " in " + Quoted(node.name()));
      if (std::find(seen.begin(), seen.end(), name) != seen.end())
        Fail("attribute " + Quoted(name) + " appears twice in " + Quoted(node.name()));
      seen.push_back(name);
    }
  }

  void ReadFieldDefs(pugi::xml_node fields, TFieldDefs& defs, int depth) const {
    if (depth > MaxNestingDepth)
      Fail("nested datasets are deeper than " + std::to_string(MaxNestingDepth) + " levels");
    CheckAttributes(fields, {});
    for (const pugi::xml_node field : fields.children()) {
      if (field.type() == pugi::node_pcdata || field.type() == pugi::node_cdata)
        Fail(SUnexpectedTextIn + Quoted("FIELDS"));
      if (field.type() != pugi::node_element) continue;
      if (std::string_view(field.name()) != "FIELD")
        Fail(SUnexpectedElement + Quoted(field.name()) + " in 'FIELDS'");
      ReadFieldDef(field, defs, depth);
    }
  }

  void ReadFieldDef(pugi::xml_node field, TFieldDefs& defs, int depth) const {
    CheckAttributes(field, {"attrname", "fieldtype", "SUBTYPE", "WIDTH", "required"});
    const pugi::xml_attribute nameAttribute = field.attribute("attrname");
    const pugi::xml_attribute fieldType = field.attribute("fieldtype");
    if (!nameAttribute) Fail("a FIELD has no 'attrname'");
    std::string scratch;
    const std::string name(Value(nameAttribute, scratch, "a FIELD"));
    if (!fieldType) Fail("field " + Quoted(name) + " has no 'fieldtype'");
    const TFieldType type =
        packet::TypeFromNames(fieldType.value(), field.attribute("SUBTYPE").value());
    if (type == ftUnknown)
      Fail("field " + Quoted(name) + " has the unknown type " + Quoted(fieldType.value()));
    Integer size = 0;
    const pugi::xml_attribute width = field.attribute("WIDTH");
    if (type == ftString) {
      std::int64_t value = 0;
      if (!width || !TextToInteger(width.value(), value) || value < 1 || value > MaxStringSize)
        Fail("field " + Quoted(name) + " has no valid 'WIDTH' (1 to " +
             std::to_string(MaxStringSize) + ")");
      size = static_cast<Integer>(value);
    } else if (width) {
      Fail("field " + Quoted(name) + " of type " + Quoted(fieldType.value()) + " has a 'WIDTH'");
    }
    const std::string_view required = field.attribute("required").value();
    if (!required.empty() && required != "true" && required != "false")
      Fail("field " + Quoted(name) + " has an invalid 'required' value");
    TFieldDef& def = defs.Add(name, type, size, required == "true");
    if (type == ftDataSet) {
      CheckChildren(field, {"FIELDS"});
      ReadFieldDefs(OnlyChild(field, "FIELDS"), def.ChildDefs, depth + 1);
    } else {
      CheckChildren(field, {});
      if (field.first_child()) Fail("field " + Quoted(name) + " has unexpected content");
    }
  }

  void ReadParams(pugi::xml_node params, TDataPacket& packet) const {
    CheckChildren(params, {});
    if (params.first_child()) Fail("element 'PARAMS' has unexpected content");
    // Repeated names are found by sorting, in one pass whatever their number.
    std::vector<std::string_view> names;
    for (const pugi::xml_attribute attribute : params.attributes())
      names.emplace_back(attribute.name());
    packet.Params.reserve(names.size());
    std::sort(names.begin(), names.end());
    if (const auto twice = std::adjacent_find(names.begin(), names.end()); twice != names.end())
      Fail("attribute " + Quoted(*twice) + " appears twice in 'PARAMS'");
    for (const pugi::xml_attribute attribute : params.attributes()) {
      const std::string_view name = attribute.name();
      std::string scratch;
      const std::string_view value = Value(attribute, scratch, "PARAMS");
      if (name != packet::AutoIncParam) {
        packet.Params.emplace_back(name, value);
        continue;
      }
      // One past the largest value the field holds is what a dataset writes
      // once its numbers are used up.
      std::int64_t next = 0;
      if (!TextToInteger(value, next) || next < 1 || next > MaxAutoIncCounter)
        Fail("invalid " + std::string(packet::AutoIncParam) + " " + Quoted(value));
      packet.Rows.SetNextAutoInc(next);
    }
  }

  static std::string RowName(std::size_t number, std::string_view within) {
    return "row " + std::to_string(number) + std::string(within);
  }

  int ColumnOf(const TRecordLayout& layout, std::string_view name, std::size_t guess) const {
    if (guess < layout.FieldCount() && layout.Slot(guess).Name == name)
      return static_cast<int>(guess);
    return layout.IndexOf(name);
  }

  void ReadRows(pugi::xml_node parent, TRecordStore& store, std::string_view within) {
    const TRecordLayout& layout = store.Layout();
    std::vector<std::byte> record(layout.RecordSize());
    std::vector<bool> seen(layout.FieldCount());
    std::size_t number = 0;
    CheckAttributes(parent, {});
    // Sized once, so that the records never exist twice while growing.
    const auto rows = static_cast<std::size_t>(
        std::distance(parent.children("ROW").begin(), parent.children("ROW").end()));
    // Each row also holds a store for each nested field, and each nested
    // element costs a record's worth of work even without rows.
    std::size_t perRow = layout.RecordSize();
    for (std::size_t f = 0; f < layout.FieldCount(); ++f)
      if (layout.Slot(f).Type == ftDataSet) perRow += sizeof(TRecordStore) + 64;
    const std::size_t bytes = (rows + 1) * perRow;
    if (rows > 0xFFFFFFFFu || bytes / perRow != rows + 1 || bytes > FRecordAllowance)
      Fail("rows of " + std::to_string(layout.FieldCount()) +
           " fields would take more memory than a file of this size may");
    FRecordAllowance -= bytes;
    store.Reserve(static_cast<std::uint32_t>(rows));
    for (const pugi::xml_node row : parent.children()) {
      if (row.type() == pugi::node_pcdata || row.type() == pugi::node_cdata)
        Fail(SUnexpectedTextIn + Quoted(parent.name()));
      if (row.type() != pugi::node_element) continue;
      ++number;
      if (std::string_view(row.name()) != "ROW")
        Fail(SUnexpectedElement + Quoted(row.name()) + " in " + Quoted(parent.name()));
      store.InitRecord(record.data());
      try {
        ReadRow(row, store, record.data(), seen, RowName(number, within));
      } catch (...) {
        store.ReleaseRecord(record.data());
        throw;
      }
      store.Append(record.data());
    }
  }

  void ReadRow(pugi::xml_node row, TRecordStore& store, std::byte* record, std::vector<bool>& seen,
               const std::string& rowName) {
    const TRecordLayout& layout = store.Layout();
    std::fill(seen.begin(), seen.end(), false);
    bool stateSeen = false;
    TRecordLayout::SetRowState(record, rsUnchanged);
    std::size_t guess = 0;
    std::string scratch;
    for (const pugi::xml_attribute attribute : row.attributes()) {
      const std::string_view name = attribute.name();
      const std::string_view value = Value(attribute, scratch, rowName);
      if (name == "RowState") {
        if (stateSeen) Fail(rowName + ": attribute 'RowState' appears twice");
        stateSeen = true;
        if (value != "0" && value != "4" && value != "8")
          Fail(rowName + ": invalid RowState " + Quoted(value));
        TRecordLayout::SetRowState(record, static_cast<std::uint8_t>(value[0] - '0'));
        continue;
      }
      const int column = ColumnOf(layout, name, guess);
      if (column < 0 || layout.Slot(static_cast<std::size_t>(column)).Type == ftDataSet)
        Fail(rowName + ": unknown field " + Quoted(name));
      const auto f = static_cast<std::size_t>(column);
      if (seen[f]) Fail(rowName + ": field " + Quoted(name) + " appears twice");
      seen[f] = true;
      guess = f + 1;
      bool valid = false;
      try {
        valid = packet::ParseValue(layout, record, f, value);
      } catch (const EDatabaseError& error) {  // text that does not fit its field
        Fail(rowName + ": " + error.Message());
      }
      if (!valid)
        Fail(rowName + ": " + Quoted(value) + " is not a valid " +
             std::string(FieldTypeName(layout.Slot(f).Type)) + " value for field " + Quoted(name));
    }
    for (const pugi::xml_node nested : row.children()) {
      if (nested.type() == pugi::node_pcdata || nested.type() == pugi::node_cdata)
        Fail(rowName + ": unexpected text");
      if (nested.type() != pugi::node_element) continue;
      const int column = layout.IndexOf(nested.name());
      if (column < 0 || layout.Slot(static_cast<std::size_t>(column)).Type != ftDataSet)
        Fail(rowName + ": " + SUnexpectedElement + Quoted(nested.name()));
      const auto f = static_cast<std::size_t>(column);
      if (seen[f]) Fail(rowName + ": nested field " + Quoted(nested.name()) + " appears twice");
      seen[f] = true;
      TRecordStore& child = store.Child(static_cast<std::uint32_t>(layout.Native(record, f)));
      ReadRows(nested, child, " of " + Quoted(nested.name()) + " in " + rowName);
    }
  }

  std::string FSource;
  std::size_t FRecordAllowance;  // bytes the records not yet read may take
};

TDataPacket Parse(TPacketReader& reader, pugi::xml_document& document,
                  const pugi::xml_parse_result& result) {
  reader.CheckLoad(result);
  try {
    return reader.Read(document);
  } catch (const std::bad_alloc&) {
    reader.Fail(SNotEnoughMemory);
  }
}

}  // namespace

TDataPacket ReadDataPacketFile(const std::string& FileName, TFileIdentity* Identity) {
  const std::string source = "from " + QuotedFileName(FileName);
  std::string text = datafile::ReadRegularFile(FileName, SCannotReadPacket + source, Identity);
  TPacketReader reader(source, text.size());
  pugi::xml_document document;
  // Parsed in place: the text is not copied once more.
  return Parse(reader, document,
               document.load_buffer_inplace(text.data(), text.size(), ParseOptions));
}

TDataPacket ParseDataPacket(std::string_view Xml, std::string_view SourceName) {
  TPacketReader reader{std::string(SourceName), Xml.size()};
  pugi::xml_document document;
  return Parse(reader, document, document.load_buffer(Xml.data(), Xml.size(), ParseOptions));
}

}  // namespace zar
