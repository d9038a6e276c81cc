// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <string>

namespace bench {

// "x86_64, <CPU model>, N cores": the machine the figures belong to.
std::string machineDescription();

} // namespace bench
