#include <zardate/ZarDateUtils.h>

#include <iostream>

// Prints the README's example; the test script compares the output.
int main() {
  using namespace zar;
  const TDateTime nowruz = ZarEncodeDate(1403, 1, 1);
  std::cout << nowruz << '\n' << ZarFormatDateTime("dddd d mmmm yyyy", nowruz) << '\n';
  TDateTime value = 0;
  if (ZarTryStrToDate("1403/12/30", value))
    std::cout << FormatDateTime("yyyy-mm-dd", value) << '\n';
  try {
    ZarStrToDate("1402/12/30");
  } catch (const EConvertError& e) {
    std::cout << e.Message() << '\n';
  }
}
