#include "BenchOrders.h"

#include <cstdint>

#include "ClientDataSet.h"
#include "GregorianDates.h"

namespace zar::bench {

void AppendOrders(TClientDataSet& Orders, int Count) {
  std::uint32_t seed = 12345;
  auto next = [&seed](std::uint32_t bound) {
    seed = seed * 1664525u + 1013904223u;
    return (seed >> 8) % bound;
  };
  const TDateTime first = EncodeDate(2000, 1, 1);
  for (int i = 0; i < Count; ++i) {
    const TDateTime received = first + next(7300) + next(1440) / 1440.0;
    Orders.Append();
    Orders.FieldByName("RecieveTime").SetAsDateTime(received);
    Orders.FieldByName("AmountPaid").SetAsFloat(next(10000000) / 100.0);
    if (next(10) != 0)
      Orders.FieldByName("ShipDate").SetAsDateTime(static_cast<int>(received) + next(30));
    Orders.Post();
  }
}

}  // namespace zar::bench
