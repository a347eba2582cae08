#include "svg/SvgReferences.h"

#include <cstring>

#include "svg/SvgNumbers.h"
#include "svg/SvgXml.h"

namespace host::svg {

std::string ParseUrl(std::string_view text, std::size_t& end)
{
    if (text.compare(0, 4, "url(") != 0 && text.compare(0, 4, "URL(") != 0)
        throw SvgValueError("expected url(...), found " + Quoted(text));
    const std::size_t close = text.find(')', 4);
    if (close == std::string_view::npos) throw SvgValueError("unterminated " + Quoted(text));
    std::string_view inside = Trim(text.substr(4, close - 4));
    if (inside.size() >= 2 && (inside.front() == '\'' || inside.front() == '"') && inside.back() == inside.front())
        inside = Trim(inside.substr(1, inside.size() - 2));
    if (inside.empty()) throw SvgValueError("empty reference " + Quoted(text));
    end = close + 1;
    return std::string(inside);
}

std::string ParseUrlOrNone(std::string_view text)
{
    text = Trim(text);
    if (text == "none") return {};
    std::size_t end = 0;
    std::string reference = ParseUrl(text, end);
    if (!Trim(text.substr(end)).empty()) throw SvgValueError("expected one url(...), found " + Quoted(text));
    return reference;
}

std::string LocalId(std::string_view reference)
{
    reference = Trim(reference);
    if (reference.size() < 2 || reference.front() != '#') return {};
    return std::string(reference.substr(1));
}

pugi::xml_attribute HrefOf(pugi::xml_node element)
{
    if (const pugi::xml_attribute plain = element.attribute("href")) return plain;
    for (const pugi::xml_attribute attribute : element.attributes()) {
        const char* colon = std::strchr(attribute.name(), ':');
        if (colon && std::strcmp(colon + 1, "href") == 0) return attribute;
    }
    return {};
}

pugi::xml_node IdIndex::Find(std::string_view id) const
{
    if (!fMade) {
        ForEachNode(fRoot, [&](pugi::xml_node node) {
            if (node.type() == pugi::node_element)
                if (const pugi::xml_attribute found = node.attribute("id"); found && *found.value())
                    fElements.emplace(std::string_view(found.value()), node);
        });
        fMade = true;
    }
    const auto found = fElements.find(id);
    return found == fElements.end() ? pugi::xml_node() : found->second;
}

}  // namespace host::svg
