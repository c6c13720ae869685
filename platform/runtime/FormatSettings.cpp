#include "FormatSettings.h"

namespace zar {

TFormatSettings FormatSettings;

}  // namespace zar
