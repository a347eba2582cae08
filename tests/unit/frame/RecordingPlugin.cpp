// The plug-in side that the frame expects from a plug-in, supplied for the frame's tests.
#include "RecordingPlugin.h"

#include <new>

#include "Suites.h"

const void* sTestFirst = nullptr;
const void* sTestSecond = nullptr;
const void* sTestOptional = nullptr;

ImportSuite gImportSuites[] = {
    {"Test First Suite", 1, &sTestFirst},
    {"Test Second Suite", 2, &sTestSecond},
    {nullptr, kOptionalSuitesMarker, nullptr},
    {"Test Optional Suite", 3, &sTestOptional},
    {nullptr, 0, nullptr},
};

Plugin* AllocatePlugin(ZBPlugin* pluginRef) { return new (std::nothrow) RecordingPlugin(pluginRef); }

void FixupReload(Plugin*) { fake::State().log.push_back("FixupReload"); }
