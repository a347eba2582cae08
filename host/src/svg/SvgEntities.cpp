#include "svg/SvgEntities.h"

#include <algorithm>
#include <vector>

#include "svg/SvgNumbers.h"

namespace host::svg {
namespace {

constexpr std::size_t kMaxNesting = 16;

bool IsNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
           c == '.' || c == ':' || static_cast<unsigned char>(c) >= 0x80;
}

void Expand(std::string_view text, const EntityTable& entities, std::size_t& budget, std::vector<std::string>& open,
            std::string& out)
{
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t amp = text.find('&', from);
        if (amp == std::string_view::npos) break;
        std::size_t end = amp + 1;
        while (end < text.size() && IsNameChar(text[end])) ++end;
        const auto found = end < text.size() && text[end] == ';' && end > amp + 1
                               ? entities.find(std::string(text.substr(amp + 1, end - amp - 1)))
                               : entities.end();
        out.append(text, from, (found == entities.end() ? end : amp) - from);
        from = end;
        if (found == entities.end()) continue;
        from = end + 1;
        for (const std::string& name : open)
            if (name == found->first) throw SvgValueError("entity " + Quoted(name) + " refers to itself");
        if (open.size() == kMaxNesting) throw SvgValueError("entities nested more than 16 deep");
        // Every use costs at least one, so that chains of empty entities are bounded too.
        if (found->second.size() + 1 > budget)
            throw SvgValueError("entities would add more than 1 MiB to the file: refused");
        budget -= found->second.size() + 1;
        open.push_back(found->first);
        Expand(found->second, entities, budget, open, out);
        open.pop_back();
    }
    out.append(text, std::min(from, text.size()), std::string_view::npos);
}

}  // namespace

EntityTable ParseEntityDeclarations(std::string_view doctype)
{
    EntityTable entities;
    std::size_t at = 0;
    while ((at = doctype.find("<!ENTITY", at)) != std::string_view::npos) {
        at += 8;
        auto skipSpace = [&] {
            while (at < doctype.size() && IsSpace(doctype[at])) ++at;
        };
        skipSpace();
        if (at < doctype.size() && doctype[at] == '%') continue;  // a parameter entity: the DTD's own business
        const std::size_t nameStart = at;
        while (at < doctype.size() && IsNameChar(doctype[at])) ++at;
        const std::string name(doctype.substr(nameStart, at - nameStart));
        skipSpace();
        if (doctype.compare(at, 6, "SYSTEM") == 0 || doctype.compare(at, 6, "PUBLIC") == 0)
            throw SvgValueError("the external entity " + Quoted(name) + " is never read");
        if (name.empty() || at >= doctype.size() || (doctype[at] != '"' && doctype[at] != '\''))
            throw SvgValueError("malformed entity declaration");
        const char quote = doctype[at];
        const std::size_t close = doctype.find(quote, at + 1);
        if (close == std::string_view::npos) throw SvgValueError("malformed entity declaration");
        entities.emplace(name, std::string(doctype.substr(at + 1, close - at - 1)));  // the first declaration holds
        at = close + 1;
    }
    return entities;
}

std::string ExpandEntities(std::string_view text, const EntityTable& entities, std::size_t& budget)
{
    std::string out;
    std::vector<std::string> open;
    Expand(text, entities, budget, open, out);
    return out;
}

}  // namespace host::svg
