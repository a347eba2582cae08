#include "svg/SvgXml.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace host::svg {
namespace {

std::pair<std::string_view, std::string_view> Split(std::string_view name)
{
    const std::size_t colon = name.find(':');
    if (colon == std::string_view::npos) return {{}, name};
    return {name.substr(0, colon), name.substr(colon + 1)};
}

std::string_view WithoutByteOrderMark(std::string_view text)
{
    if (text.size() >= 3 && text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.remove_prefix(3);
    return text;
}

// The starts of the lines of text (0 first, then each byte after a "\n"), when the text is plain ASCII without
// a carriage return; false otherwise. Eight bytes at a time, a word looked into only where it holds a line feed
// or a carriage return.
bool AsciiLineStarts(std::string_view text, std::vector<std::size_t>& starts)
{
    constexpr uint64_t kOnes = 0x0101010101010101ull;
    constexpr uint64_t kHighs = 0x8080808080808080ull;
    starts.assign(1, 0);
    auto look = [&](std::size_t from, std::size_t to) {
        for (std::size_t k = from; k < to; ++k) {
            const auto c = static_cast<unsigned char>(text[k]);
            if (c >= 0x80 || c == '\r') return false;
            if (c == '\n') starts.push_back(k + 1);
        }
        return true;
    };
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        uint64_t word;
        std::memcpy(&word, text.data() + i, sizeof word);
        if (word & kHighs) return false;
        // With every high bit clear, a byte of these words is zero, or has a zero below it, where the high bit of
        // the difference is set: the word is looked into then.
        const uint64_t feeds = word ^ (kOnes * '\n');
        const uint64_t returns = word ^ (kOnes * '\r');
        if ((((feeds - kOnes) | (returns - kOnes)) & kHighs) && !look(i, i + 8)) return false;
    }
    return look(i, text.size());
}

}  // namespace

SourceText::SourceText(std::string name, std::string_view text)
    : fName(std::move(name)), fText(WithoutByteOrderMark(text))
{
    CopyForParsing();
}

SourceText::SourceText(std::string name, std::string&& text) : fName(std::move(name)), fOwned(std::move(text))
{
    fText = WithoutByteOrderMark(fOwned);
    if (!AsciiLineStarts(fText, fLineStarts)) {
        fLineStarts = {};
        CopyForParsing();
        return;
    }
    // The string's own terminator ends the buffer.
    fParse = fOwned.data() + (fOwned.size() - fText.size());
}

void SourceText::CopyForParsing()
{
    fBuffer.reserve(fText.size() + 1);  // the terminator too, without moving the whole text again
    fBuffer.assign(fText.begin(), fText.end());
    fBuffer.push_back('\0');
    fParse = fBuffer.data();
}

std::string SourceText::Where(std::size_t offset) const
{
    if (offset > fText.size()) offset = fText.size();
    std::size_t line = 1, column = 1;
    if (ParsedInPlace()) {
        // The text has changed where it was parsed: the line starts noted before tell the place.
        const auto after = std::upper_bound(fLineStarts.begin(), fLineStarts.end(), offset);
        line = static_cast<std::size_t>(after - fLineStarts.begin());
        column = offset - *(after - 1) + 1;
        return fName + ":" + std::to_string(line) + ":" + std::to_string(column);
    }
    for (std::size_t i = 0; i < offset; ++i) {
        const auto c = static_cast<unsigned char>(fText[i]);
        if (c == '\n' || (c == '\r' && (i + 1 >= fText.size() || fText[i + 1] != '\n'))) {
            ++line;
            column = 1;
        } else if (c != '\r' && (c & 0xC0) != 0x80) {
            ++column;  // continuation bytes of UTF-8 belong to the character before
        }
    }
    return fName + ":" + std::to_string(line) + ":" + std::to_string(column);
}

std::size_t SourceText::OffsetOf(const char* pointer) const
{
    // Compared as addresses: names that pugixml did not take from the buffer (none here) count as its start.
    const auto start = reinterpret_cast<std::uintptr_t>(fParse);
    const auto at = reinterpret_cast<std::uintptr_t>(pointer);
    if (at < start || at > start + fText.size()) return 0;
    return at - start;
}

std::string SourceText::Where(pugi::xml_node element) const
{
    const std::size_t offset = OffsetOf(element.name());
    return Where(offset > 0 ? offset - 1 : 0);
}

std::string SourceText::Where(pugi::xml_attribute attribute) const { return Where(OffsetOf(attribute.name())); }

NameScope NameScope::Enter(pugi::xml_node element) const
{
    std::shared_ptr<Bindings> added;
    for (const pugi::xml_attribute attribute : element.attributes()) {
        const std::string_view name = attribute.name();
        const bool binds = name == "xmlns" || (name.size() > 6 && name.compare(0, 6, "xmlns:") == 0);
        if (!binds) continue;
        if (!added) added = fBindings ? std::make_shared<Bindings>(*fBindings) : std::make_shared<Bindings>();
        added->emplace_back(name.size() > 6 ? name.substr(6) : std::string_view(), attribute.value());
    }
    if (!added) return *this;
    NameScope inner;
    inner.fBindings = std::move(added);
    return inner;
}

std::string_view NameScope::Resolve(std::string_view prefix) const
{
    if (prefix == "xml") return kXmlNamespace;
    if (fBindings)
        for (auto binding = fBindings->rbegin(); binding != fBindings->rend(); ++binding)
            if (binding->first == prefix) return binding->second;
    return {};
}

QualifiedName NameScope::ElementName(pugi::xml_node element) const
{
    const auto [prefix, local] = Split(element.name());
    std::string_view uri = Resolve(prefix);
    if (prefix.empty() && uri.empty()) uri = kSvgNamespace;
    if (!prefix.empty() && uri.empty()) uri = "?";  // an unbound prefix: foreign content
    return {uri, local};
}

QualifiedName NameScope::AttributeName(pugi::xml_attribute attribute) const
{
    const auto [prefix, local] = Split(attribute.name());
    if (prefix.empty()) return {{}, local};
    std::string_view uri = Resolve(prefix);
    if (uri.empty()) uri = "?";
    return {uri, local};
}

pugi::xml_attribute NameScope::Find(pugi::xml_node element, std::string_view uri, std::string_view local) const
{
    for (const pugi::xml_attribute attribute : element.attributes()) {
        const QualifiedName name = AttributeName(attribute);
        if (name.uri == uri && name.local == local) return attribute;
    }
    return {};
}

}  // namespace host::svg
