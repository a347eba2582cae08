// The soak's document, generated: layers of groups of paths (curved and straight, open and closed, filled and
// stroked, some tagged as cut or perforation lines, some locked), a compound path in every group, loose paths and
// a line of text at the top of each layer. The same shape gives the same document.
#ifndef FUZZ_SOAK_LARGEDOCUMENT_H
#define FUZZ_SOAK_LARGEDOCUMENT_H

#include <memory>

#include "host/Document.h"

namespace soak {

struct DocumentShape {
    int layers = 4;
    int groupsPerLayer = 12;
    int pathsPerGroup = 50;
    int loosePathsPerLayer = 30;
};

std::unique_ptr<host::Document> LargeDocument(const DocumentShape& shape);

// The paths of a document of that shape, compound paths' parts included.
int PathCount(const DocumentShape& shape);

}  // namespace soak

#endif
