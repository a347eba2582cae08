#include "CutJob.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <iostream>
#include <ostream>

#include "TerminalProgress.h"

namespace pendrake {
namespace {

// Where the macOS feature set writes its command files: the output application's folder, relative to the current
// folder of the process.
std::string OutputFolderOfMacEdition()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::absolute("../Applications/Talvex/", error);
    return error ? std::string("../Applications/Talvex/") : folder.lexically_normal().string();
}

const std::string kEventPrefix = std::string(kPanelEventNamespace) + ".";

std::string Operation(PanelOperation operation, const std::string& elements = {})
{
    return "<payload><operation>" + std::to_string(static_cast<int32_t>(operation)) + "</operation>" + elements +
           "</payload>";
}

std::string Element(const std::string& name, const std::string& value)
{
    return "<" + name + ">" + value + "</" + name + ">";
}

// The text of the first element name inside text, from position from on; npos in *end when there is none.
std::string Find(const std::string& text, const std::string& name, std::size_t from = 0, std::size_t* end = nullptr)
{
    const std::string open = "<" + name + ">";
    const std::string close = "</" + name + ">";
    const std::size_t start = text.find(open, from);
    const std::size_t stop = start == std::string::npos ? start : text.find(close, start + open.size());
    if (stop == std::string::npos) {
        if (end) *end = std::string::npos;
        return {};
    }
    if (end) *end = stop + close.size();
    return text.substr(start + open.size(), stop - start - open.size());
}

// Each element name of text, in order.
std::vector<std::string> FindAll(const std::string& text, const std::string& name)
{
    std::vector<std::string> found;
    std::size_t at = 0;
    while (true) {
        std::size_t end = 0;
        std::string item = Find(text, name, at, &end);
        if (end == std::string::npos) return found;
        found.push_back(std::move(item));
        at = end;
    }
}

// Whether the model's list of counts ("3", "4" or "3,4") holds count.
bool OffersCount(const std::string& counts, int32_t count)
{
    std::size_t start = 0;
    while (start <= counts.size()) {
        const std::size_t end = std::min(counts.find(',', start), counts.size());
        if (counts.compare(start, end - start, std::to_string(count)) == 0) return true;
        start = end + 1;
    }
    return false;
}

// "3", "4" or "3 or 4".
std::string CountsText(const std::string& counts)
{
    std::string text = counts;
    const std::size_t comma = text.find(',');
    if (comma != std::string::npos) text.replace(comma, 1, " or ");
    return text;
}

// A length in millimetres as the plug-in's lists write it; false for anything else.
bool Millimetres(const std::string& text, double& value)
{
    if (text.empty()) return false;
    const char* end = nullptr;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    end = result.ptr;
    return result.ec == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

// Whether margins x, y and distances w, l (millimetres) make a crop frame.
bool MakesFrame(const std::string& x, const std::string& y, const std::string& w, const std::string& l)
{
    double values[4] = {};
    if (!Millimetres(x, values[0]) || !Millimetres(y, values[1]) || !Millimetres(w, values[2]) ||
        !Millimetres(l, values[3]))
        return false;
    return values[0] >= 0 && values[1] >= 0 && values[2] > 0 && values[3] > 0;
}

// Documents this large take long enough in the output run that a terminal shows it.
constexpr std::size_t kLargeDocument = 10000;

std::string Join(const std::vector<std::string>& ids)
{
    std::string joined;
    for (const std::string& id : ids) joined += (joined.empty() ? "" : ",") + id;
    return joined;
}

// "4 objects", and with the ids where they were asked for: "4 objects: a,b,c,d". A job of 10,000 paths prints
// a line a person can read.
std::string Counted(const std::vector<std::string>& ids, bool verbose)
{
    std::string text = std::to_string(ids.size()) + (ids.size() == 1 ? " object" : " objects");
    if (verbose) text += ": " + Join(ids);
    return text;
}

}  // namespace

std::string CutJob::Ask(const std::string& payload, const std::string& answerName, bool* answered)
{
    const std::size_t before = fEvents.size();
    std::string problem;
    fPanel.Handle(payload, &problem);
    for (std::size_t i = before; i < fEvents.size(); ++i) {
        if (fEvents[i].fType == kEventPrefix + answerName) {
            if (answered) *answered = true;
            return fEvents[i].fData.value_or("");
        }
    }
    if (answered) *answered = false;
    return {};
}

bool CutJob::Send(const std::string& line, std::string* problem)
{
    return fPanel.Handle(line, problem) && Acted(problem);
}

bool CutJob::Acted(std::string* problem) const
{
    if (fHost.Alerts().size() > fAlerts) {
        if (problem) *problem = "a plug-in reported an error: " + fHost.Alerts()[fAlerts];
        return false;
    }
    if (fHost.RefusedContexts() == fRefusedContexts) return true;
    if (problem) *problem = "the host could not enter the plug-in's context: the operation was not carried out";
    return false;
}

bool CutJob::LacksTag(const host::Art& art, const char* tagName) const
{
    bool lacking = false;
    fHost.CurrentDocument()->Walk([&](host::Art& each) {
        for (const host::Art* up = &each; up; up = up->parent)
            if (up == &art && each.kind == host::ArtKind::Path && !each.FindTag(tagName)) lacking = true;
    });
    return lacking;
}

bool CutJob::MarkWith(const std::vector<std::string>& ids, const char* tagName, PanelOperation operation,
                      std::string* problem)
{
    if (ids.empty()) return true;
    host::Document* document = fHost.CurrentDocument();
    // Marking toggles: select only what lacks the tag, so that a second run on a saved document keeps the marks.
    std::vector<std::string> unmarked;
    for (const std::string& id : ids) {
        host::Art* art = document->FindById(id);
        if (!art) {
            if (problem) *problem = "no object with the id \"" + id + "\"";
            return false;
        }
        if (LacksTag(*art, tagName)) unmarked.push_back(id);
    }
    if (unmarked.empty()) return true;
    if (!Send("!select " + Join(unmarked), problem) || !Send(Operation(operation), problem)) return false;
    for (const std::string& id : unmarked) {
        const host::Art* art = document->FindById(id);
        if (art && !LacksTag(*art, tagName)) continue;
        if (problem) *problem = std::string("the tag \"") + tagName + "\" could not be set on every path of " + id;
        return false;
    }
    return true;
}

bool CutJob::Reported(const std::string& folder, const std::string& number, std::string* problem)
{
    if (number.empty()) {
        fLog << "Output: the command files were written to " << folder << " and the output application opened\n";
        return true;
    }
    if (!problem) return false;
    if (number == std::to_string(kCuttingAppNotInstalledMessage)) {
        *problem = "the command files were written to " + folder + ", but the output application " + folder +
                   "TalvexOutputX.app could not be opened";
    } else if (number == std::to_string(kCutFileIncompleteMessage)) {
        *problem = "the command files could not be written in full to " + folder +
                   " and were not sent to the cutter (the output application's folder must exist there: "
                   "../Applications/Talvex/ from the current folder)";
    } else {
        *problem = "the output run failed (message " + number + ")";
    }
    return false;
}

bool CutJob::Run(const CutJobOptions& options, std::string* problem)
{
    if (!fHost.CurrentDocument()) {
        if (problem) *problem = "no document is open";
        return false;
    }

    if (options.macEdition && !options.perforateIds.empty()) {
        if (problem) *problem = "the macOS feature set has no perforation lines";
        return false;
    }
    const std::string model = options.model.empty() ? DefaultModel(options.macEdition) : options.model;

    // The model, by name, from the plug-in's list; its default settings from the plug-in's defaults list.
    bool listed = false;
    const std::string models =
        Ask(Operation(PanelOperation::kSendMachineTypeList), kMachineTypeListEvent.name, &listed);
    if (!Acted(problem)) return false;
    if (!listed) {
        if (problem) *problem = "the plug-in did not answer with its list of cutter models";
        return false;
    }
    std::string id;
    std::string counts;
    for (const std::string& row : FindAll(models, "MachineType")) {
        if (Find(row, "Name") != model) continue;
        id = Find(row, "id");
        counts = Find(row, "CropCount");
    }
    if (id.empty()) {
        if (problem) *problem = "the plug-in knows no cutter model \"" + model + "\"";
        return false;
    }
    // The marks are drawn in the model's own layout: a count it does not offer would be announced to the cutter
    // while other marks stand on the page.
    if (!options.macEdition && !OffersCount(counts, options.cropCount)) {
        if (problem)
            *problem = "the cutter model " + model + " takes " + CountsText(counts) + " crop marks, not " +
                       std::to_string(options.cropCount);
        return false;
    }
    bool answered = false;
    const std::string defaultsList =
        Ask(Operation(PanelOperation::kSendCropmarkParamList), kCropmarkParamListEvent.name, &answered);
    if (!Acted(problem)) return false;
    if (!answered) {
        if (problem) *problem = "the plug-in did not answer with the models' crop settings";
        return false;
    }
    std::string defaults;
    for (const std::string& row : FindAll(defaultsList, "CropmarkParam"))
        if (Find(row, "id") == id) defaults = row;
    const std::string x = Find(defaults, "X"), y = Find(defaults, "Y"), w = Find(defaults, "W"),
                      l = Find(defaults, "L");
    if (!MakesFrame(x, y, w, l)) {
        if (problem)
            *problem = "the crop settings of " + model + " (X \"" + x + "\", Y \"" + y + "\", W \"" + w + "\", L \"" +
                       l +
                       "\") cannot make a crop frame: the distances must be above 0 mm and the margins at least 0 mm";
        return false;
    }
    fLog << "Cutter model " << model << " (id " << id << "): X " << x << " mm, Y " << y << " mm, W " << w << " mm, L "
         << l << " mm";
    // The macOS feature set takes the layout from the model alone.
    if (!options.macEdition) fLog << ", " << options.cropCount << " marks";
    fLog << '\n';
    if (!Send(Operation(PanelOperation::kSetCropParameters,
                        Element("X", x) + Element("Y", y) + Element("W", w) + Element("L", l) +
                            Element("MachineType", id) + Element("CropCount", std::to_string(options.cropCount))),
              problem))
        return false;

    const std::string corner = Ask(Operation(PanelOperation::kSendCropCorner), kCropCornerEvent.name);
    if (!Acted(problem)) return false;
    fLog << "Crop frame (points): left " << Find(corner, "LEFT") << ", top " << Find(corner, "TOP") << ", right "
         << Find(corner, "RIGHT") << ", bottom " << Find(corner, "BOTTOM") << '\n';
    if (!Send(Operation(PanelOperation::kMakeCropMarks), problem)) return false;
    // A set the plug-in could not make whole it takes away again.
    std::size_t marks = 0;
    fHost.CurrentDocument()->Walk([&](host::Art& art) { marks += art.FindTag(kCropMarkTagName) ? 1 : 0; });
    fLog << "Crop marks: " << marks << " objects\n";
    if (marks == 0) {
        if (problem) *problem = "the crop marks could not be made";
        return false;
    }

    std::vector<std::string> cutIds = options.cutIds;
    cutIds.insert(cutIds.end(), options.perforateIds.begin(), options.perforateIds.end());
    if (!MarkWith(cutIds, kCutMarkTagName, PanelOperation::kToggleCutTag, problem)) return false;
    if (!MarkWith(options.perforateIds, kPerforationMarkTagName, PanelOperation::kTogglePerforationTag, problem))
        return false;
    if (!Send("!select none", problem)) return false;
    if (!cutIds.empty()) fLog << "Cut lines: " << Counted(cutIds, options.verbose) << '\n';
    if (!options.perforateIds.empty())
        fLog << "Perforation lines: " << Counted(options.perforateIds, options.verbose) << '\n';

    const std::string target = Element("Target", std::to_string(options.target));
    bool previewed = false;
    const std::string preview =
        Ask(Operation(PanelOperation::kSendPreviewInfo, target), kPreviewInfoEvent.name, &previewed);
    if (!Acted(problem)) return false;
    if (previewed) {
        const std::string indexes = Find(preview, "indexes");
        // "4,5,-8": the paths the output would write, the negative ones cut lines.
        std::size_t paths = 0, cut = 0;
        for (std::size_t at = 0; at < indexes.size();) {
            ++paths;
            if (indexes[at] == '-') ++cut;
            const std::size_t comma = indexes.find(',', at);
            at = comma == std::string::npos ? indexes.size() : comma + 1;
        }
        fLog << "Preview (target " << options.target << "): " << paths << (paths == 1 ? " path, " : " paths, ") << cut
             << " of them cut lines, crop marks " << (Find(preview, "ExistCropMark") == "1" ? "present" : "absent");
        if (options.verbose && !indexes.empty()) fLog << ": " << indexes << " (negative: cut lines)";
        fLog << '\n';
    }

    bool messaged = false;
    const host::Document* document = fHost.CurrentDocument();
    TerminalProgress progress(std::cerr, options.progress && document && document->ArtCount() >= kLargeDocument);
    progress.Begin("output run");
    const auto start = std::chrono::steady_clock::now();
    const std::string message = Ask(Operation(PanelOperation::kOutputRun, target), kDispMessageEvent.name, &messaged);
    fOutputSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    progress.End();
    const std::string number = messaged ? Find(message, "Num") : std::string();
    if (!Acted(problem)) return false;
    if (options.macEdition) return Reported(OutputFolderOfMacEdition(), number, problem);
    if (messaged) {
        if (!problem) return false;
        if (number == std::to_string(kCuttingAppNotInstalledMessage)) {
            *problem =
                "the cut data file was written, but the cutting application could not be started: it is not "
                "registered, or its registered path names no program that can run";
        } else if (number == std::to_string(kCutFileIncompleteMessage)) {
            *problem = "the cut data file could not be written in full; it was not handed to the cutting application";
        } else {
            *problem = "the output run failed (message " + number + ")";
        }
        return false;
    }
    fLog << "Output: the cut data file was written and the cutting application started\n";
    return true;
}

}  // namespace pendrake
