// The main job: a typical cutting session played to the plug-in through its panel protocol, as a user at the
// panel would: choose the cutter model and the crop count (the model's default crop settings come from the
// plug-in's own list), make the crop marks, mark the chosen paths as cut or perforation lines, look at the
// preview and run the output.
#ifndef PENDRAKE_CUTJOB_H
#define PENDRAKE_CUTJOB_H

#include <iosfwd>
#include <string>
#include <vector>

#include "ConsolePanel.h"
#include "TalvexPanelProtocol.h"
#include "wirelet/EventRecord.h"

namespace pendrake {

struct CutJobOptions {
    bool macEdition = false;                // the plug-ins are markplug's macOS feature set
    std::string model;                      // a model name of the plug-in's list; empty: DefaultModel()
    int32_t cropCount = 4;                  // 3 or 4 marks where the model offers both
    std::vector<std::string> cutIds;        // SVG ids of the paths (or groups) to cut
    std::vector<std::string> perforateIds;  // SVG ids to perforate; they are cut lines as well
    int32_t target = 3;                     // which objects the output writes: 3 the cut lines (see README)
    bool verbose = false;                   // list the ids and path indexes, not only their counts
    bool progress = false;                  // show how long a large output run takes (standard error is a terminal)
    bool timings = false;                   // print how long reading, the output run and saving took
};

// The model a job uses when none is named: TS-1, or TR-2 in the macOS feature set, which has no TS-1.
inline const char* DefaultModel(bool macEdition) { return macEdition ? "TR-2" : "TS-1"; }

class CutJob {
public:
    // events is where the session's observer collects what the plug-in dispatches.
    CutJob(host::Host& host, ConsolePanel& panel, const std::vector<wirelet::EventRecord>& events, std::ostream& log)
        : fHost(host),
          fPanel(panel),
          fEvents(events),
          fLog(log),
          fRefusedContexts(host.RefusedContexts()),
          fAlerts(host.Alerts().size())
    {
    }

    // False with *problem set when a step could not be done; the steps before it stay done.
    bool Run(const CutJobOptions& options, std::string* problem);

    double OutputSeconds() const { return fOutputSeconds; }  // how long the output run took

private:
    // The macOS feature set's output run, from the message number it answered with (empty: none).
    bool Reported(const std::string& folder, const std::string& number, std::string* problem);
    // Sends one operation payload and returns the data of the first event of that name it answered with
    // (empty when none).
    std::string Ask(const std::string& payload, const std::string& answerName, bool* answered = nullptr);
    bool Send(const std::string& line, std::string* problem);
    bool MarkWith(const std::vector<std::string>& ids, const char* tagName, PanelOperation operation,
                  std::string* problem);
    // Whether a path of art, or art itself, lacks the tag.
    bool LacksTag(const host::Art& art, const char* tagName) const;
    // False, with *problem set, once the host has refused markplug its context during the job, or a plug-in has
    // reported an error to the user: the operation sent then did not happen, or not in full.
    bool Acted(std::string* problem) const;

    host::Host& fHost;
    ConsolePanel& fPanel;
    const std::vector<wirelet::EventRecord>& fEvents;
    std::ostream& fLog;
    double fOutputSeconds = 0;
    uint64_t fRefusedContexts = 0;  // the host's counts when the job began
    std::size_t fAlerts = 0;
};

}  // namespace pendrake

#endif
