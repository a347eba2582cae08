// Placeholder until the style sheet parser lands: a sheet that matches nothing.
#ifndef HOST_SVG_SVGCSS_H
#define HOST_SVG_SVGCSS_H

#include <string>
#include <string_view>
#include <vector>

#include <pugixml.hpp>

namespace host::svg {

struct CssDeclaration {
    std::string name;
    std::string value;
    bool important = false;
};

class StyleSheet {
public:
    void Add(std::string_view) {}
    std::size_t SkippedRules() const { return 0; }
    bool Empty() const { return true; }
    struct Matched {
        std::vector<CssDeclaration> normal, important;
    };
    Matched Match(pugi::xml_node) const { return {}; }
};

}  // namespace host::svg

#endif
