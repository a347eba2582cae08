#include "Selection.h"

namespace pendrake {

bool FindObjectsByIds(const host::Document& document, const std::vector<std::string>& ids, std::set<host::Art*>* found,
                      std::string* problem)
{
    for (const std::string& id : ids) {
        host::Art* art = document.FindById(id);
        if (!art) {
            if (problem) *problem = "no object with the id \"" + id + "\"";
            return false;
        }
        found->insert(art);
    }
    return true;
}

void SelectExactly(const host::Document& document, const std::set<host::Art*>& chosen)
{
    // A walk visits a group before what it holds, so a parent's new state is known when its children come.
    document.Walk([&](host::Art& art) {
        const bool inside = chosen.count(&art) || (art.parent && (art.parent->attributes & host::kAttrSelected));
        art.attributes = inside ? (art.attributes | host::kAttrSelected) : (art.attributes & ~host::kAttrSelected);
    });
}

std::vector<std::string> SelectedIds(const host::Document& document)
{
    std::vector<std::string> ids;
    document.Walk([&](host::Art& art) {
        if (!(art.attributes & host::kAttrSelected) || art.id.empty()) return;
        if (art.parent && (art.parent->attributes & host::kAttrSelected)) return;
        ids.push_back(art.id);
    });
    return ids;
}

}  // namespace pendrake
