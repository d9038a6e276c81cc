#pragma once

#if defined(OBSHOST_BUILD)
#define OBSHOST_EXPORT __attribute__((visibility("default")))
#else
#define OBSHOST_EXPORT __attribute__((visibility("default")))
#endif
