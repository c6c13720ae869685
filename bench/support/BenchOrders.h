#pragma once
// The orders the dataset and grid benchmarks measure, made the same way for
// both so that their numbers describe the same rows.

namespace zar {
class TClientDataSet;
}

namespace zar::bench {

// Appends and posts Count orders to an open orders dataset: received times
// spread over 2000 to 2020, one in ten without a ship date. The generator
// starts from a fixed seed, so every run gets the same rows.
void AppendOrders(TClientDataSet& Orders, int Count);

}  // namespace zar::bench
