// Entities that a file declares in its document type (drawing tools write namespace URIs that way:
// <!ENTITY ns_svg "http://www.w3.org/2000/svg"> and xmlns="&ns_svg;"). Only internal entities are expanded, and
// only within a budget: an external one is never read, and a chain of entities that would grow past the budget
// (the "billion laughs") is refused instead of filling the memory.
#ifndef HOST_SVG_SVGENTITIES_H
#define HOST_SVG_SVGENTITIES_H

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

namespace host::svg {

// The most bytes that expanding entities may add to a file in all.
constexpr std::size_t kMaxEntityBytes = std::size_t{1} << 20;

using EntityTable = std::unordered_map<std::string, std::string>;

// The general entities declared in the text of a document type declaration. Throws SvgValueError for an external
// entity (SYSTEM or PUBLIC), which would have to be fetched. Parameter entities are not read.
EntityTable ParseEntityDeclarations(std::string_view doctype);

// text with every "&name;" of the table replaced by its value, itself expanded; other references stay as they
// are. budget is what may still be added; throws SvgValueError when the expansion would go past it or an entity
// refers to itself.
std::string ExpandEntities(std::string_view text, const EntityTable& entities, std::size_t& budget);

}  // namespace host::svg

#endif
