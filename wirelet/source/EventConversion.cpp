#include "EventConversion.h"

#include <optional>
#include <string>

namespace wirelet {
namespace {

std::optional<std::string> CopyText(const char* text)
{
    return text != nullptr ? std::optional<std::string>(text) : std::nullopt;
}

const char* TextOf(const std::optional<std::string>& text) noexcept { return text ? text->c_str() : nullptr; }

bool IsCText(const std::string& text) noexcept { return text.find('\0') == std::string::npos; }

bool IsCText(const std::optional<std::string>& text) noexcept { return !text || IsCText(*text); }

}  // namespace

EventRecord CopyEvent(const TrmlEvent& event, bool fromHost)
{
    return EventRecord{std::string(event.type),   event.scope,          CopyText(event.sender),
                       CopyText(event.extension), CopyText(event.data), fromHost};
}

TrmlEvent ViewOf(const EventRecord& record) noexcept
{
    TrmlEvent view{};
    view.type = record.fType.c_str();
    view.scope = record.fScope;
    view.sender = TextOf(record.fSender);
    view.extension = TextOf(record.fExtension);
    view.data = TextOf(record.fData);
    return view;
}

bool HasOnlyCText(const EventRecord& record) noexcept
{
    return IsCText(record.fType) && IsCText(record.fSender) && IsCText(record.fExtension) && IsCText(record.fData);
}

}  // namespace wirelet
