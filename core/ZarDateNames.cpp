#include "ZarDateUtils.h"

namespace zar {

std::array<std::string, 13> ZarShortMonthNames;
std::array<std::string, 13> ZarLongMonthNames;
std::array<std::string, 8> ZarShortDayNames;
std::array<std::string, 8> ZarLongDayNames;

void LoadZarDateNames() {
  for (std::size_t m = 1; m <= 12; ++m) {
    ZarShortMonthNames[m] = SZarShortMonthNames[m - 1];
    ZarLongMonthNames[m] = SZarLongMonthNames[m - 1];
  }
  for (std::size_t d = 1; d <= 7; ++d) {
    ZarShortDayNames[d] = SZarShortDayNames[d - 1];
    ZarLongDayNames[d] = SZarLongDayNames[d - 1];
  }
}

namespace {
// The tables are filled before main() runs, so no caller has to remember to.
// Living in the tables' own file, this runs whenever they are linked in.
const bool NamesLoaded = (LoadZarDateNames(), true);
}  // namespace

}  // namespace zar
