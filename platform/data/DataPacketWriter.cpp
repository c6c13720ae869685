// Writing data packets: the text is produced in one pass over the records,
// in chunks, and a file is replaced only once the new one is safely on disk.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>

#include "DBErrors.h"
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
          hasNestedRows |= store.Child(static_cast<std::uint32_t>(layout.Native(row, f))).Count() > 0;
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

// The temporary file's descriptor and name, removed unless committed.
class TTemporaryFile {
 public:
  explicit TTemporaryFile(const std::filesystem::path& target)
      : FName((target.parent_path().empty() ? std::filesystem::path(".")
                                            : target.parent_path()) /
              ("." + target.filename().string() + ".XXXXXX")) {
    FFd = ::mkstemp(FName.data());
    FCreated = FFd >= 0;
  }
  TTemporaryFile(const TTemporaryFile&) = delete;
  TTemporaryFile& operator=(const TTemporaryFile&) = delete;
  ~TTemporaryFile() {
    if (FFd >= 0) ::close(FFd);
    if (FCreated && !FCommitted) ::unlink(FName.c_str());
  }

  int Fd() const noexcept { return FFd; }
  const std::string& Name() const noexcept { return FName; }
  // Closes the descriptor; false (errno set) when the close fails.
  bool Close() noexcept {
    const int fd = std::exchange(FFd, -1);
    return ::close(fd) == 0;
  }
  void Commit() noexcept { FCommitted = true; }

 private:
  std::string FName;
  int FFd = -1;
  bool FCreated = false;
  bool FCommitted = false;
};

[[noreturn]] void WriteFailure(const std::string& fileName, int error) {
  DatabaseError("Cannot write data file " + Quoted(fileName) + ": " + std::strerror(error));
}

void WriteAll(int fd, std::string_view text, const std::string& fileName) {
  while (!text.empty()) {
    const ssize_t written = ::write(fd, text.data(), text.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      WriteFailure(fileName, errno);
    }
    text.remove_prefix(static_cast<std::size_t>(written));
  }
}

// New files get the usual permissions, replaced files keep theirs.
void SetFileMode(int fd, const std::string& fileName) {
  struct stat existing {};
  mode_t mode = 0;
  if (::stat(fileName.c_str(), &existing) == 0) {
    mode = existing.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  ::fchmod(fd, mode);
}

void SyncDirectory(const std::filesystem::path& target) {
  const std::filesystem::path directory =
      target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();
  const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

void WriteDataPacketFile(const TDataPacket& Packet, const std::string& FileName) {
  TTemporaryFile temporary{std::filesystem::path(FileName)};
  if (temporary.Fd() < 0) WriteFailure(FileName, errno);
  SetFileMode(temporary.Fd(), FileName);
  TPacketWriter writer([&](std::string_view chunk) { WriteAll(temporary.Fd(), chunk, FileName); });
  writer.Write(Packet);
  if (::fsync(temporary.Fd()) != 0) WriteFailure(FileName, errno);
  if (!temporary.Close()) WriteFailure(FileName, errno);
  if (std::rename(temporary.Name().c_str(), FileName.c_str()) != 0) WriteFailure(FileName, errno);
  temporary.Commit();
  SyncDirectory(std::filesystem::path(FileName));
}

std::string DataPacketToXml(const TDataPacket& Packet) {
  std::string xml;
  TPacketWriter writer([&](std::string_view chunk) { xml += chunk; });
  writer.Write(Packet);
  return xml;
}

}  // namespace zar
