// <windows.h> for the platform layer: without min/max macros, and without the old FreeModule macro, which
// would rename platform::FreeModule.
#ifndef PLATFORM_WIN32_SYSTEMHEADERS_H
#define PLATFORM_WIN32_SYSTEMHEADERS_H

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#undef FreeModule

#endif
