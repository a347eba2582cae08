#include "ListenerProbe.h"

#include <optional>

namespace {

std::string TextOrNull(const char* text) { return text != nullptr ? std::string(text) : std::string("(null)"); }

std::string TextOrNull(const std::optional<std::string>& text) { return text ? *text : std::string("(null)"); }

void RunProbe(const char* prefix, const TrmlEvent* event, void* context)
{
    auto* probe = static_cast<Probe*>(context);
    probe->fLog->push_back(prefix + probe->fName + " " + Describe(*event));
    if (probe->fAction) {
        probe->fAction(*event);
    }
}

}  // namespace

void ProbeListener(const TrmlEvent* event, void* context) { RunProbe("", event, context); }

void OtherProbeListener(const TrmlEvent* event, void* context) { RunProbe("other:", event, context); }

std::string Describe(const TrmlEvent& event)
{
    return TextOrNull(event.type) + "|" + std::to_string(event.scope) + "|" + TextOrNull(event.sender) + "|" +
           TextOrNull(event.extension) + "|" + TextOrNull(event.data);
}

TrmlEvent MakeEvent(const char* type, const char* data, const char* extension, const char* sender, std::int32_t scope)
{
    TrmlEvent event{};
    event.type = type;
    event.scope = scope;
    event.sender = sender;
    event.extension = extension;
    event.data = data;
    return event;
}

namespace wirelet {

void PrintTo(const EventRecord& record, std::ostream* out)
{
    *out << "{" << record.fType << "|" << record.fScope << "|" << TextOrNull(record.fSender) << "|"
         << TextOrNull(record.fExtension) << "|" << TextOrNull(record.fData)
         << (record.fFromHost ? "|host}" : "|panel}");
}

}  // namespace wirelet
