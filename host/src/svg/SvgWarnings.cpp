#include "svg/SvgWarnings.h"

namespace host::svg {

void ImportWarnings::Add(std::string_view kind, const std::string& where, const std::string& message)
{
    for (Entry& entry : fEntries)
        if (entry.kind == kind) {
            ++entry.count;
            return;
        }
    fEntries.push_back({std::string(kind), where, message, 1});
}

std::vector<std::string> ImportWarnings::Lines() const
{
    std::vector<std::string> lines;
    for (const Entry& entry : fEntries) {
        std::string line = entry.where + ": warning: " + entry.message;
        if (entry.count > 1) line += " (" + std::to_string(entry.count) + " times)";
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace host::svg
