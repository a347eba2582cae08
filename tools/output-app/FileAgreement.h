// Whether tmp_pro.txt and tmp_km.txt say what tmp.txt says: the same crop header and the same points, in
// tmp_km.txt turned by a quarter. Disagreements become problems of the compared file, at its line; only the
// first differing point of each file is reported, as every later one would follow from it.
#ifndef TOOLS_OUTPUTAPP_FILEAGREEMENT_H
#define TOOLS_OUTPUTAPP_FILEAGREEMENT_H

#include <optional>

#include "CommandData.h"
#include "PageHeightWindow.h"

namespace talvex {

void CompareProWithPlain(const CommandFile& plain, CommandFile& pro);

// The page heights that explain every compared point; none when there are no points or they disagree.
std::optional<PageHeightWindow> CompareTurnedWithPlain(const CommandFile& plain, CommandFile& turned);

}  // namespace talvex

#endif
