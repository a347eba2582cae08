// References from one element to another: url(...) in properties, href on use, gradients, text paths and tref,
// and the index of ids they are looked up in. Only references into the same file are followed: another file or a
// URL is never fetched.
#ifndef HOST_SVG_SVGREFERENCES_H
#define HOST_SVG_SVGREFERENCES_H

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

#include <pugixml.hpp>

namespace host::svg {

// "url(#id)", with optional quotes and blanks, at the start of text: the reference inside, and in end the position
// after the ")". Throws SvgValueError.
std::string ParseUrl(std::string_view text, std::size_t& end);
// A property that is "none" or one url(...): the reference, empty for none. Throws SvgValueError.
std::string ParseUrlOrNone(std::string_view text);
// The id a reference into this file names ("#a" gives "a"); empty for a reference to anything else.
std::string LocalId(std::string_view reference);
// The element's href (SVG 2) or xlink:href; a null attribute when it has neither.
pugi::xml_attribute HrefOf(pugi::xml_node element);

// Every element with an id, found in one walk made at the first look-up (a file without references never pays
// for it); where ids repeat, the first in document order is the one found.
class IdIndex {
public:
    explicit IdIndex(pugi::xml_node root) : fRoot(root) {}
    pugi::xml_node Find(std::string_view id) const;

private:
    pugi::xml_node fRoot;
    mutable bool fMade = false;
    mutable std::unordered_map<std::string_view, pugi::xml_node> fElements;  // views into the parsed document
};

}  // namespace host::svg

#endif
