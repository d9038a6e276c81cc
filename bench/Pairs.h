// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <span>

namespace bench {

// A measured path and the baseline it is held against, with the goal for their ratio.
struct Pair
{
    const char *title;
    const char *ours; // benchmark names, as registered
    const char *baseline;
    double goal; // ours / baseline at most; 0 where the pair is shown without a goal
};

std::span<const Pair> pairs();

} // namespace bench
