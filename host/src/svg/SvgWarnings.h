// What an import turned into its nearest equivalent or left out, gathered by kind, so that a file with thousands
// of gradients says so in one line: the place and words of the first, and how many there were.
#ifndef HOST_SVG_SVGWARNINGS_H
#define HOST_SVG_SVGWARNINGS_H

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace host::svg {

class ImportWarnings {
public:
    // where: "FILE:LINE:COLUMN" of the first of its kind.
    void Add(std::string_view kind, const std::string& where, const std::string& message);
    // "FILE:LINE:COLUMN: warning: message", with " (N times)" where the kind came more than once; in the order
    // each kind first came.
    std::vector<std::string> Lines() const;

private:
    struct Entry {
        std::string kind;
        std::string where;
        std::string message;
        std::size_t count = 0;
    };
    std::vector<Entry> fEntries;  // a handful of kinds: a scan is cheaper than an index
};

}  // namespace host::svg

#endif
