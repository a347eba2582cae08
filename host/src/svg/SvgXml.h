// The XML side of reading: the source text that pugixml parses in place (so that every element and attribute
// knows its line and column), and namespace prefixes resolved to their URIs.
#ifndef HOST_SVG_SVGXML_H
#define HOST_SVG_SVGXML_H

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <pugixml.hpp>

namespace host::svg {

constexpr const char* kSvgNamespace = "http://www.w3.org/2000/svg";
constexpr const char* kInkscapeNamespace = "http://www.inkscape.org/namespaces/inkscape";
constexpr const char* kHostNamespace = "urn:pendrake:document";
constexpr const char* kXmlNamespace = "http://www.w3.org/XML/1998/namespace";

class SourceText {
public:
    // text is not copied: it must outlive the SourceText.
    SourceText(std::string name, std::string_view text);
    // The text is taken over. Plain ASCII without carriage returns, where a position's column is its distance
    // from the start of its line, is parsed where it stands, with the starts of its lines noted first; other
    // text is copied for parsing, as a borrowed text is.
    SourceText(std::string name, std::string&& text);
    SourceText(const SourceText&) = delete;
    SourceText& operator=(const SourceText&) = delete;

    // The parse buffer, terminated; pugixml keeps pointers into it, so it lives as long as the parsed document.
    char* Buffer() { return fParse; }
    std::size_t Size() const { return fText.size(); }
    // Parsed where it stands: then the text is plain ASCII, valid UTF-8 without a look at it.
    bool ParsedInPlace() const { return !fLineStarts.empty(); }

    // "name:line:column" of a byte offset; columns count characters.
    std::string Where(std::size_t offset) const;
    std::string Where(pugi::xml_node element) const;         // its "<"
    std::string Where(pugi::xml_attribute attribute) const;  // its name
    std::size_t OffsetOf(pugi::xml_node element) const { return OffsetOf(element.name()); }

private:
    void CopyForParsing();
    std::size_t OffsetOf(const char* pointer) const;

    std::string fName;
    std::string fOwned;      // the text taken over, if it was
    std::string_view fText;  // as given, without a byte order mark; not read again once parsed in place
    std::vector<char> fBuffer;
    char* fParse = nullptr;
    // Parsed in place: where each line starts (0 first); empty otherwise.
    std::vector<std::size_t> fLineStarts;
};

// The element's name without its prefix ("svg:rect" gives "rect"), for content read apart from its scope.
inline std::string_view LocalNameOf(pugi::xml_node element)
{
    const std::string_view name = element.name();
    const std::size_t colon = name.find(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// Every node from root down, root first, in document order; iterative, because a file's tree may be far deeper
// than the reader goes.
template <typename Visit>
void ForEachNode(pugi::xml_node root, Visit visit)
{
    pugi::xml_node node = root;
    while (node) {
        visit(node);
        if (pugi::xml_node child = node.first_child()) {
            node = child;
            continue;
        }
        while (node && node != root && !node.next_sibling()) node = node.parent();
        if (!node || node == root) break;
        node = node.next_sibling();
    }
}

// Views into the parsed document (or of the namespace constants above): names are looked up for every element and
// attribute, and copying them would cost an allocation each.
struct QualifiedName {
    std::string_view uri;  // empty: no namespace
    std::string_view local;
};

// The prefixes bound at an element. The names and URIs point into the parsed document, which outlives every
// scope; a scope is shared by all the elements that bind nothing new, so that entering one costs no copy.
class NameScope {
public:
    // The scope inside element: this one with the element's own xmlns declarations.
    NameScope Enter(pugi::xml_node element) const;
    // The URI of a prefix ("" the default namespace); empty when unbound.
    std::string_view Resolve(std::string_view prefix) const;

    // Elements without a namespace count as SVG ones, so that files without xmlns still read.
    QualifiedName ElementName(pugi::xml_node element) const;
    // Attributes without a prefix have no namespace.
    QualifiedName AttributeName(pugi::xml_attribute attribute) const;
    pugi::xml_attribute Find(pugi::xml_node element, std::string_view uri, std::string_view local) const;

private:
    using Bindings = std::vector<std::pair<std::string_view, std::string_view>>;  // later ones hide earlier ones
    std::shared_ptr<const Bindings> fBindings;
};

}  // namespace host::svg

#endif
