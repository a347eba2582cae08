// Where the output run places a path: its artwork coordinates plus an offset that makes the written coordinates
// relative to the lower-left corner of the area the crop marks cover (one mark radius left of and below the
// crop frame's lower-left corner), or page coordinates when the document has no crop marks.
#ifndef MARKPLUG_CUTORIGINOFFSET_H
#define MARKPLUG_CUTORIGINOFFSET_H

#include "pendrake/PDTypes.h"

// The offset for the current document and crop settings. False when the host cannot give documentOrigin, or the
// page height the crop frame needs: every path would be cut in the wrong place.
bool CutOriginOffset(bool cropMarks, PDRealPoint& offset) noexcept;

// Where an output run places its paths, found once at its start: whether the document has crop marks, and the
// offset. placed is false when the host could not say either: every path would then be cut in the wrong place.
struct OutputPlacement {
    bool cropMarks = false;
    PDRealPoint offset = {0, 0};
    bool placed = false;
};
OutputPlacement PlaceOutput() noexcept;

#endif
