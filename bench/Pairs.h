#pragma once

#include <span>

namespace bench {

// A measured path and the baseline it is held against, with the goal for their ratio.
struct Pair
{
    const char *title;
    const char *ours; // benchmark names, as registered
    const char *baseline;
    double goal; // ours / baseline at most
};

std::span<const Pair> pairs();

} // namespace bench
