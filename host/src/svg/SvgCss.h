// Style sheets of <style> elements: CSS rules read once per document, and the declarations of the rules that
// match an element, in cascade order. Selectors and rules that cannot be read or are not supported are passed
// over, as a browser passes over what it cannot read.
#ifndef HOST_SVG_SVGCSS_H
#define HOST_SVG_SVGCSS_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <pugixml.hpp>

namespace host::svg {

struct CssDeclaration {
    std::string name;   // lower case
    std::string value;  // trimmed, without its !important
    bool important = false;
};

// The declarations of a style="..." attribute as a browser reads them: comments dropped, a declaration that cannot
// be read passed over, ";" inside strings and brackets (url(data:...;base64,...)) kept in its value.
std::vector<CssDeclaration> ParseInlineStyle(std::string_view text);

// The rules of all <style> elements of a document, in document order.
class StyleSheet {
public:
    // Adds the rules of one style element's text. Bad CSS is skipped as a browser skips it, never thrown: a bad
    // declaration up to the next ";", a rule with an invalid selector whole, and @-rules whole. A selector read
    // but not supported is skipped alone in its list: states and pseudo-elements (":hover", "::before"), which a
    // static render never matches, namespace prefixes ("svg|rect") and chains of more than 32 compounds. A sheet
    // holds at most 100,000 selectors and 100,000 declarations; rules past them are skipped too.
    void Add(std::string_view css);
    // Rules and @-rules passed over whole.
    std::size_t SkippedRules() const { return fSkipped; }
    bool Empty() const { return fSelectors.empty(); }

    // The declarations of every rule that matches element, sorted by (specificity, rule order) so that applying
    // them in order lets the later win; the important ones apart, in the same order.
    struct Matched {
        std::vector<CssDeclaration> normal, important;
    };
    Matched Match(pugi::xml_node element) const;

    // The parsed selectors.
    struct AttributeTest {
        std::string name;
        char op = 0;  // 0: present; '=', '~', '|', '^', '$', '*' as in "[name op= value]"
        std::string value;
    };
    struct Compound {
        std::string type;  // empty: any element
        std::vector<std::string> ids, classes;
        std::vector<AttributeTest> attributes;
        bool firstChild = false;
        char combinator = ' ';  // to the compound on the left: ' ', '>', '+' or '~'
    };
    struct Selector {
        std::vector<Compound> compounds;  // left to right
        std::uint32_t specificity = 0;    // ids, classes and types, 10 bits each
        std::uint32_t rule = 0;
    };

private:
    void AddRule(std::string_view prelude, std::string_view body);

    using Buckets = std::unordered_map<std::string, std::vector<std::uint32_t>>;
    std::vector<std::vector<CssDeclaration>> fRules;
    std::vector<Selector> fSelectors;
    // The selectors by their rightmost compound's id, else its first class, else its type; the rest universal.
    Buckets fById, fByClass, fByType;
    std::vector<std::uint32_t> fUniversal;
    std::size_t fDeclarations = 0;
    std::size_t fSkipped = 0;
};

}  // namespace host::svg

#endif
