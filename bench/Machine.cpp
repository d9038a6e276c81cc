// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "Machine.h"

#include <fstream>
#include <sched.h>
#include <sys/utsname.h>

namespace bench {

std::string machineDescription()
{
    utsname names {};
    const std::string arch = uname(&names) == 0 ? names.machine : "unknown architecture";

    std::string model = "unknown CPU";
    std::ifstream cpuinfo("/proc/cpuinfo");
    for (std::string line; std::getline(cpuinfo, line);) {
        if (line.rfind("model name", 0) == 0) {
            const auto colon = line.find(':');
            if (colon != std::string::npos)
                model = line.substr(line.find_first_not_of(' ', colon + 1));
            break;
        }
    }
    // As nproc counts: the processors this process may run on.
    cpu_set_t usable;
    CPU_ZERO(&usable);
    const int cores = sched_getaffinity(0, sizeof usable, &usable) == 0 ? CPU_COUNT(&usable) : 0;
    return arch + ", " + model + ", " + std::to_string(cores) + " cores";
}

} // namespace bench
