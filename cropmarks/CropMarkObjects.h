// The host objects of the crop marks: the crop mark tag, and the making of one mark path (placed, styled, tagged
// and locked).
#ifndef MARKPLUG_CROPMARKOBJECTS_H
#define MARKPLUG_CROPMARKOBJECTS_H

#include <cstdint>

#include "TalvexPanelProtocol.h"  // kCropMarkTagName, the tag every crop mark object carries
#include "pendrake/PDPath.h"
#include "pendrake/PDTypes.h"

// What the host says of a tag on an object.
enum class TagAnswer {
    kCarried,
    kAbsent,   // no tag of that name, or one of another type
    kUnknown,  // the host could not say
};

// Asks whether the object carries the string tag of that name.
TagAnswer AskStringTag(PDArtHandle art, const char* name) noexcept;

// Whether the object carries the crop mark tag; an object the host cannot answer for counts as untagged.
bool CarriesCropMarkTag(PDArtHandle art) noexcept;

// Whether any object of the document carries the crop mark tag. False when the host could not list the objects,
// or could not answer for one of them while no other carried the tag: the answer is then unknown.
bool FindCropMarks(bool& present) noexcept;

// Whether a document is open and the host gives its documentOrigin, stored in origin. Marks placed without the
// origin would stand in the wrong place on the page.
bool CurrentDocumentOrigin(PDRealPoint& origin) noexcept;

// A new empty path below all art of the current layer; null when the host makes none.
PDArtHandle NewCropMarkPath() noexcept;

enum class CropMarkPart { Circle, Bracket };
// The style of a mark: circles filled black and overprinted without a stroke, brackets stroked black 0.5 points
// wide without a fill; solid, no clipping, non-zero winding. False when the host could not give or take it.
bool ApplyCropMarkStyle(PDArtHandle art, CropMarkPart part) noexcept;

// Tags the object with its index ("%04d") and locks it. False when the host could not do both.
bool TagAndLockCropMark(PDArtHandle art, int16_t index) noexcept;

// Gives a new mark path its segments, the closed flag, the style of part, the tag with index and the lock. When
// the host refuses any of it the path is disposed of: an untagged mark would be cut as artwork and could not be
// deleted as a mark. False then.
bool FinishCropMark(PDArtHandle art, const PDPathSegment* segments, int16_t count, bool closed, CropMarkPart part,
                    int16_t index) noexcept;

#endif
