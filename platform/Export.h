// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#pragma once

// libobshost is built with hidden visibility: only what carries OBSHOST_EXPORT is part
// of its interface, for hosts and for the plug-in that links it.
#if defined(OBSHOST_BUILD)
#define OBSHOST_EXPORT __attribute__((visibility("default")))
#else
#define OBSHOST_EXPORT
#endif
