// Small helpers of the crop marks contract tests: building panel payloads, reading what the plug-in sent back,
// opening a page and finding the crop marks in it.
#ifndef TESTS_CONTRACT_PANELTRAFFIC_H
#define TESTS_CONTRACT_PANELTRAFFIC_H

#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "MarkplugHost.h"
#include "host/Document.h"
#include "pendrake/ZBErrors.h"

namespace testing_support {

// "<payload><operation>n</operation>" followed by the elements, "</payload>".
inline std::string Payload(int operation, std::initializer_list<std::pair<const char*, const char*>> elements = {})
{
    std::string text = "<payload><operation>" + std::to_string(operation) + "</operation>";
    for (const auto& [name, value] : elements) text += std::string("<") + name + ">" + value + "</" + name + ">";
    return text + "</payload>";
}

// The events the plug-in dispatched (not those injected as the panel's), as "type|sender|scope|extension".
inline std::vector<std::string> SentEvents(MarkplugHost& h)
{
    std::vector<std::string> events;
    for (const auto& event : h.Bus().Events()) {
        if (event.fFromHost) continue;
        events.push_back(event.fType + "|" + event.fSender.value_or("(null)") + "|" + std::to_string(event.fScope) +
                         "|" + event.fExtension.value_or("(null)"));
    }
    return events;
}

// The payloads the plug-in sent with the event kPanelNamespace + "." + name.
inline std::vector<std::string> Sent(MarkplugHost& h, const std::string& name)
{
    std::vector<std::string> payloads;
    for (const auto& event : h.Bus().Events()) {
        if (!event.fFromHost && event.fType == std::string(kPanelNamespace) + "." + name)
            payloads.push_back(event.fData.value_or("(null)"));
    }
    return payloads;
}

// Clicks with payload and returns what came back as name (the record cleared first).
inline std::vector<std::string> Answer(MarkplugHost& h, const std::string& payload, const std::string& name)
{
    h.Bus().ClearEvents();
    h.Click(payload);
    return Sent(h, name);
}

// The crop corner payload for the settings in force.
inline std::vector<std::string> CropCorner(MarkplugHost& h) { return Answer(h, Payload(11), "TalvexSendCropCorner"); }

inline std::string CornerPayload(const char* left, const char* top, const char* right, const char* bottom,
                                 const char* x, const char* y)
{
    return std::string("<payload><CropCorner><LEFT>") + left + "</LEFT><TOP>" + top + "</TOP><RIGHT>" + right +
           "</RIGHT><BOTTOM>" + bottom + "</BOTTOM><X>" + x + "</X><Y>" + y + "</Y></CropCorner></payload>";
}

// Shuts the plug-in down and tells what host objects it left behind ("" for none).
inline std::string LeftoversAfterShutdown(MarkplugHost& h)
{
    const ZBErr result = h.Host().Shutdown(h.Plugin());
    return (result == kNoErr ? "" : "shutdown failed; ") + h.Leftovers();
}

// A real as a text stream writes it by default: 6 significant digits.
inline std::string Text(double value)
{
    std::ostringstream stream;
    stream << value;
    return stream.str();
}

inline std::string Text(const host::Point& point) { return "(" + Text(point.h) + ", " + Text(point.v) + ")"; }

// A page point given in artwork coordinates: the document's origin added back.
inline std::string PageText(const host::Document& document, const host::Point& point)
{
    return Text(host::Point{point.h + document.Origin().h, point.v + document.Origin().v});
}

inline constexpr double kPageWidth = 595.2756;
inline constexpr double kPageHeight = 841.8898;
inline const host::Point kOrigin = {12.5, -30.25};

// An A4 page with the origin given and one layer.
inline host::Document& OpenPage(MarkplugHost& h, host::Point origin = kOrigin)
{
    h.Host().OpenDocument(std::make_unique<host::Document>(kPageWidth, kPageHeight));
    host::Document& document = *h.Host().CurrentDocument();
    document.SetOrigin(origin);
    document.AddLayer("Layer 1");
    return document;
}

// The objects carrying the crop mark tag, in document order.
inline std::vector<const host::Art*> CropMarks(const host::Document& document)
{
    std::vector<const host::Art*> marks;
    for (const host::Art* art : document.AllArt())
        if (art->FindTag("TalvexCropMark")) marks.push_back(art);
    return marks;
}

}  // namespace testing_support

#endif
