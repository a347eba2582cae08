// The host's checking mode: calls made in the wrong state are recorded by the operation's name, so that a test
// sees faults that a crash, or silence, would hide. Optionally every suite call is logged.
#ifndef HOST_CHECKS_H
#define HOST_CHECKS_H

#include <string>
#include <vector>

namespace host {

struct CallRecord {
    std::string operation;
    std::string plugin;  // the plug-in on whose behalf the call ran (its name), empty outside any
};

class Checks {
public:
    void Violation(const std::string& text) { fViolations.push_back(text); }
    const std::vector<std::string>& Violations() const { return fViolations; }

    void RecordCalls(bool on) { fRecording = on; }
    void Note(const char* operation, const std::string& plugin)
    {
        if (fRecording) fCalls.push_back({operation, plugin});
    }
    const std::vector<CallRecord>& Calls() const { return fCalls; }

    void Clear()
    {
        fViolations.clear();
        fCalls.clear();
    }

private:
    bool fRecording = false;
    std::vector<std::string> fViolations;
    std::vector<CallRecord> fCalls;
};

}  // namespace host

#endif
