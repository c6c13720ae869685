#include <gtest/gtest.h>
#include <unicode/calendar.h>
#include <unicode/locid.h>

#include <memory>

#include "ZarDateUtils.h"

using namespace zar;

namespace {

// The Julian day number of day serial 0 (1899-12-30).
constexpr int JulianDayOfSerialZero = 2415019;

TEST(IcuCrossCheck, EveryDayOfYears1To9999) {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Calendar> persian(
      icu::Calendar::createInstance(icu::Locale("fa_IR@calendar=persian"), status));
  ASSERT_TRUE(U_SUCCESS(status)) << u_errorName(status);

  const int first = static_cast<int>(ZarEncodeDate(1, 1, 1));
  const int last = static_cast<int>(ZarEncodeDate(9999, 12, 29));
  for (int serial = first; serial <= last; ++serial) {
    persian->clear();
    persian->set(UCAL_JULIAN_DAY, serial + JulianDayOfSerialZero);
    const int year = persian->get(UCAL_EXTENDED_YEAR, status);
    const int month = persian->get(UCAL_MONTH, status) + 1;
    const int day = persian->get(UCAL_DATE, status);
    ASSERT_TRUE(U_SUCCESS(status));

    Word y, m, d;
    ZarDecodeDate(serial, y, m, d);
    ASSERT_EQ(y, year) << serial;
    ASSERT_EQ(m, month) << serial;
    ASSERT_EQ(d, day) << serial;
    ASSERT_EQ(ZarEncodeDate(y, m, d), serial);
  }
}

}  // namespace
