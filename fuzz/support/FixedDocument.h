// The small document the panel payload fuzz targets work on, the same for every input: two layers with a
// rectangle, a group, text, an open curve, a compound path, a locked path and paths already tagged as cut and
// perforation lines; eight objects at the top of the layers.
#ifndef FUZZ_SUPPORT_FIXEDDOCUMENT_H
#define FUZZ_SUPPORT_FIXEDDOCUMENT_H

#include <cstddef>
#include <memory>

#include "host/Document.h"

namespace drive {

inline constexpr std::size_t kFixedTopObjects = 8;

// A fresh copy, read from its SVG text.
std::unique_ptr<host::Document> FixedDocument();

}  // namespace drive

#endif
