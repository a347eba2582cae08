// A small host for the frame's unit tests: a Basic suite that hands out recording fakes of the suites the frame
// calls, and dummies for the rest. Every call worth checking is appended to Log() as one line of text.
#ifndef MARKPLUG_TESTS_FAKEHOST_H
#define MARKPLUG_TESTS_FAKEHOST_H

#include <map>
#include <string>
#include <vector>

#include "pendrake/PDSuites.h"

namespace fake {

struct HostState {
    std::vector<std::string> log;
    std::map<std::string, ZBErr> acquireErrors;         // suite name -> code returned by AcquireSuite
    std::map<std::string, ZBErr> releaseErrors;         // suite name -> code returned by ReleaseSuite
    std::map<std::string, ZBErr> notifierErrors;        // notifier type -> code returned by AddNotifier
    std::map<std::string, PDNotifierHandle> notifiers;  // notifier type -> the handle handed out
    std::map<std::string, ZBErr> stringErrors;          // "NewString" or "Substring" -> code returned, once
    std::string folder;                                 // what FindFolder gives; empty: kNoSuchFolderErr
    int liveStrings = 0;
    int livePaths = 0;
    int pushedContexts = 0;
};

// Resets the state; call at the start of each test.
HostState& Reset();
HostState& State();
const ZBBasicSuite4* Basic();
// The host reference the fake hands to the plug-in.
ZBPlugin* PluginRef();

// Only the lines that start with prefix.
std::vector<std::string> LogLines(const std::string& prefix);

}  // namespace fake

#endif
