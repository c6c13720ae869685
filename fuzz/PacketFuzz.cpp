// Feeds arbitrary bytes to the data packet reader. Any input must either be
// refused with EDatabaseError or give a packet that writes and reads back
// to the very same text.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "DBErrors.h"
#include "DataPacket.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const zar::TDataPacket packet = zar::ParseDataPacket(text, "'fuzz input'");
    const std::string written = zar::DataPacketToXml(packet);
    const zar::TDataPacket again = zar::ParseDataPacket(written, "'rewritten input'");
    if (zar::DataPacketToXml(again) != written) std::abort();
  } catch (const zar::EDatabaseError&) {
    // Refused cleanly: what the reader must do with bad input.
  }
  return 0;
}
