#include "ZarDateUtils.h"

namespace zar {

std::array<std::string, 13> ZarShortMonthNames;
std::array<std::string, 13> ZarLongMonthNames;
std::array<std::string, 8> ZarShortDayNames;
std::array<std::string, 8> ZarLongDayNames;

namespace {

TZarNameLetters LoadedLetters = nlArabic;

// The name in the letters of current Persian text: Arabic yeh U+064A (D9 8A)
// becomes Farsi yeh U+06CC (DB 8C), Arabic kaf U+0643 (D9 83) becomes keheh
// U+06A9 (DA A9). Both pairs are two bytes, so the lengths stay.
std::string InLetters(std::string_view name, TZarNameLetters letters) {
  std::string text(name);
  if (letters != nlPersian) return text;
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '\xD9') continue;
    if (text[i + 1] == '\x8A') {
      text[i] = '\xDB';
      text[i + 1] = '\x8C';
    } else if (text[i + 1] == '\x83') {
      text[i] = '\xDA';
      text[i + 1] = '\xA9';
    }
    ++i;
  }
  return text;
}

}  // namespace

void LoadZarDateNames() { LoadZarDateNames(nlArabic); }

void LoadZarDateNames(TZarNameLetters Letters) {
  for (std::size_t m = 1; m <= 12; ++m) {
    ZarShortMonthNames[m] = InLetters(SZarShortMonthNames[m - 1], Letters);
    ZarLongMonthNames[m] = InLetters(SZarLongMonthNames[m - 1], Letters);
  }
  for (std::size_t d = 1; d <= 7; ++d) {
    ZarShortDayNames[d] = InLetters(SZarShortDayNames[d - 1], Letters);
    ZarLongDayNames[d] = InLetters(SZarLongDayNames[d - 1], Letters);
  }
  LoadedLetters = Letters == nlPersian ? nlPersian : nlArabic;
}

TZarNameLetters ZarNameLetters() noexcept { return LoadedLetters; }

namespace {
// The tables are filled before main() runs, so no caller has to remember to.
// Living in the tables' own file, this runs whenever they are linked in.
const bool NamesLoaded = (LoadZarDateNames(), true);
}  // namespace

}  // namespace zar
