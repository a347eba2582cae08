// Each test executable is built once per edition; the edition goes into the test suite's name so that the two
// builds' cases stay apart in CTest.
#ifndef MARKPLUG_TESTS_FRAMETESTNAMES_H
#define MARKPLUG_TESTS_FRAMETESTNAMES_H

#if defined(MARKPLUG_EDITION_MACOS) && MARKPLUG_EDITION_MACOS
#define FRAME_SUITE(name) name##Mac
#else
#define FRAME_SUITE(name) name##Windows
#endif

#endif
