// <windows.h> (and <shellapi.h>, which needs it first) for the platform layer: without min/max macros, and without the
// old FreeModule macro, which would rename platform::FreeModule.
#ifndef PLATFORM_WIN32_SYSTEMHEADERS_H
#define PLATFORM_WIN32_SYSTEMHEADERS_H

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// clang-format off: the order matters
#include <shellapi.h>
// clang-format on
#undef FreeModule

#endif
