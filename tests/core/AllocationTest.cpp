// Counts heap allocations made by the hot calendar routines. Replacing the
// global operator new affects this whole binary, so it stands alone.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "ZarDateUtils.h"

namespace {
std::atomic<long> Allocations{0};
}

void* operator new(std::size_t size) {
  ++Allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using namespace zar;

template <typename F>
long AllocationsOf(F&& f) {
  const long before = Allocations.load();
  f();
  return Allocations.load() - before;
}

TEST(Allocations, EncodeDecodeAndParseAllocateNothing) {
  EXPECT_EQ(AllocationsOf([] {
              for (TDateTime t = 45000; t < 46000; t += 0.75) {
                Word y, m, d, w;
                ZarDecodeDateFully(t, y, m, d, w);
                TDateTime back = 0;
                ZarTryEncodeDate(y, m, d, back);
                ZarTryEncodeDateTime(y, m, d, 10, 30, 0, 0, back);
              }
            }),
            0);
  EXPECT_EQ(AllocationsOf([] {
              TDateTime value = 0;
              ZarTryStrToDate("1403/01/01", value);
              ZarTryStrToDateTime("1403/1/1 10:30:15.5", value);
            }),
            0);
}

TEST(Allocations, FormattingAllocatesOnlyItsResult) {
  // Long results, so that the small-string buffer cannot hide an allocation.
  for (const char* pattern : {"dddd d mmmm yyyy hh:nn:ss", "dddddd tt", "c", ""}) {
    std::string result;
    EXPECT_EQ(AllocationsOf([&] { result = ZarFormatDateTime(pattern, 45371.75); }), 1) << pattern;
    EXPECT_GT(result.size(), 15u);
  }
}

}  // namespace
