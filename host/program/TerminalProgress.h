// The progress of a long step (reading a large artwork, the output run) on standard error, only when it is a
// terminal: one line rewritten in place, ended when the step is done. Nothing is written otherwise, so that logs,
// pipes and tests see only the results.
#ifndef PENDRAKE_TERMINALPROGRESS_H
#define PENDRAKE_TERMINALPROGRESS_H

#include <chrono>
#include <cstddef>
#include <ostream>
#include <string>

namespace pendrake {

class TerminalProgress {
public:
    TerminalProgress(std::ostream& out, bool shown) : fOut(out), fShown(shown) {}
    // A step that did not end (a failure was thrown) still leaves its line ended, for the message after it.
    ~TerminalProgress();
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;
    // Whether standard error is a terminal.
    static bool ForStandardError();

    // "pendrake: step...", started now.
    void Begin(const std::string& step);
    // "pendrake: step 42%", written only when the percentage changes.
    void Update(std::size_t done, std::size_t total);
    // "pendrake: step: 1.25 s", the line ended.
    void End();

private:
    std::ostream& fOut;
    bool fShown;
    std::string fStep;
    int fPercent = -1;
    bool fOpen = false;  // a line begun and not ended
    std::chrono::steady_clock::time_point fStart;
};

}  // namespace pendrake

#endif
