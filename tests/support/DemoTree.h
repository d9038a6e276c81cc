// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// The installed tree the end-to-end tests run the demo host from: the one the ctest
// fixture installs into the build directory.
QString demoTree();
QString demoHost(); // bin/observacao-host in it

// Installs the build into demoTree() when it is missing or older than the build, so that
// a test program run on its own, outside ctest's fixture, finds it too.
void ensureDemoTreeInstalled();
