#include "SelectionChange.h"

#include "pendrake/PDNotifier.h"

namespace drive {

void ChangeSelection(host::Host& host, const std::set<const host::Art*>& chosen)
{
    host::Document* document = host.CurrentDocument();
    if (!document) return;
    document->Walk([&](host::Art& art) {
        const bool inside = chosen.count(&art) || (art.parent && (art.parent->attributes & host::kAttrSelected));
        art.attributes = inside ? (art.attributes | host::kAttrSelected) : (art.attributes & ~host::kAttrSelected);
    });
    host.Notify(kPDArtSelectionChangedNotifier);
}

void SelectByMask(host::Host& host, uint64_t mask)
{
    host::Document* document = host.CurrentDocument();
    if (!document) return;
    std::set<const host::Art*> chosen;
    std::size_t index = 0;
    for (const auto& layer : document->Layers())
        for (const auto& art : layer->art) {
            if (index < 64 && ((mask >> index) & 1) != 0) chosen.insert(art.get());
            ++index;
        }
    ChangeSelection(host, chosen);
}

}  // namespace drive
