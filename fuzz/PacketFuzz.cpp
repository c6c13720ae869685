// Feeds arbitrary bytes to the data packet reader. Any input must either be
// refused with EDatabaseError or give a packet that goes through the whole
// cycle unchanged: written as text and read back, written to a file and
// read back, opened in a dataset, every value read, a row appended and
// posted and the dataset's packet written again.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "ClientDataSet.h"
#include "DBErrors.h"
#include "DataPacket.h"

namespace {

const std::string& ScratchFile() {
  static const std::string file = [] {
    const auto directory =
        std::filesystem::temp_directory_path() / ("zardata-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(directory);
    return (directory / "packet.xml").string();
  }();
  return file;
}

// Reads every value of every visible record and appends one blank record;
// only dataset errors may come out.
void Exercise(zar::TClientDataSet& data) {
  std::size_t bytes = 0;
  for (data.First(); !data.Eof(); data.Next())
    for (std::size_t f = 0; f < data.FieldCount(); ++f) bytes += data.Fields(f).AsString().size();
  if (bytes == static_cast<std::size_t>(-1)) std::abort();
  try {
    data.Append();
    data.Post();
  } catch (const zar::EDatabaseError&) {
    // A required field or an exhausted auto-increment: refused, not lost.
    data.Cancel();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::optional<zar::TDataPacket> packet;
  try {
    packet.emplace(zar::ParseDataPacket(text, "'fuzz input'"));
  } catch (const zar::EDatabaseError&) {
    return 0;  // refused cleanly: what the reader must do with bad input
  }
  const std::string written = zar::DataPacketToXml(*packet);
  const zar::TDataPacket again = zar::ParseDataPacket(written, "'rewritten input'");
  if (zar::DataPacketToXml(again) != written) std::abort();

  // Through a file: the same text, read back to the same text.
  zar::WriteDataPacketFile(again, ScratchFile());
  const zar::TDataPacket fromFile = zar::ReadDataPacketFile(ScratchFile());
  if (zar::DataPacketToXml(fromFile) != written) std::abort();

  // In a dataset: what it writes after an append reads back to itself.
  zar::TClientDataSet dataSet("Fuzz");
  dataSet.SetData(fromFile);
  Exercise(dataSet);
  const std::string after = zar::DataPacketToXml(dataSet.Data());
  if (zar::DataPacketToXml(zar::ParseDataPacket(after, "'appended'")) != after) std::abort();
  dataSet.Close();
  return 0;
}
