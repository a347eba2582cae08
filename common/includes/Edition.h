// The one place where the Windows and the macOS feature sets of markplug differ. The Windows feature set is the
// default; the macOS one is compiled with MARKPLUG_EDITION_MACOS=1 and PD_REAL_IS_FLOAT=1. Code elsewhere asks
// kMacEdition or takes the values below, never the definitions themselves.
#ifndef MARKPLUG_EDITION_H
#define MARKPLUG_EDITION_H

#include <cstdint>

#include "pendrake/PDFolders.h"

#if defined(MARKPLUG_EDITION_MACOS) && MARKPLUG_EDITION_MACOS
inline constexpr bool kMacEdition = true;
#else
inline constexpr bool kMacEdition = false;
#endif

#if defined(PD_REAL_IS_FLOAT)
static_assert(kMacEdition, "single-precision host records belong to the macOS feature set");
#else
static_assert(!kMacEdition, "the macOS feature set is built with single-precision host records");
#endif

// The version under which this edition asks the host for a suite.
constexpr int32_t EditionSuiteVersion(int32_t windowsVersion, int32_t macVersion) noexcept
{
    return kMacEdition ? macVersion : windowsVersion;
}

// The panel service library: the host folder that holds it, and its name relative to that folder.
inline constexpr int32_t kWireletFolderType = kMacEdition ? kPDApplicationSupportFolderType : kPDApplicationFolderType;
inline constexpr const char* kWireletLibraryName = kMacEdition ? "/Frameworks/Wirelet.framework" : "WireletFenn.dll";

// Whether PluginMain tells the standard error stream about a message that nothing handled.
inline constexpr bool kWarnUnhandledMessages = kMacEdition;

#endif
