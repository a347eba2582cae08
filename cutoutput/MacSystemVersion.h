// The file-system references and Launch Services that the macOS output run and help use exist from system
// version 10.0 on (Gestalt 'sysv' 0x1000); on an older system those steps are left out.
#ifndef MARKPLUG_MACSYSTEMVERSION_H
#define MARKPLUG_MACSYSTEMVERSION_H

#include <cstdint>

#include "platform/Platform.h"

inline constexpr int32_t kFirstSystemWithFileReferences = 0x1000;

inline bool SystemHasFileReferences() noexcept
{
    int32_t version = 0;
    return platform::SystemVersion(version) && version >= kFirstSystemWithFileReferences;
}

#endif
