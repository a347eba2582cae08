// The host objects of the crop marks: the crop mark tag, and the making of one mark path (placed, styled, tagged
// and locked).
#ifndef MARKPLUG_CROPMARKOBJECTS_H
#define MARKPLUG_CROPMARKOBJECTS_H

#include <cstdint>

#include "TalvexPanelProtocol.h"  // kCropMarkTagName, the tag every crop mark object carries
#include "pendrake/PDTypes.h"

// Whether the object carries the crop mark tag (the tag query succeeds).
bool CarriesCropMarkTag(PDArtHandle art) noexcept;

// Whether a document is open; if so origin is its documentOrigin, or (0, 0) when the host cannot say.
bool CurrentDocumentOrigin(PDRealPoint& origin) noexcept;

// A new empty path below all art of the current layer; null when the host makes none.
PDArtHandle NewCropMarkPath() noexcept;

enum class CropMarkPart { Circle, Bracket };
// The style of a mark: circles filled black and overprinted without a stroke, brackets stroked black 0.5 points
// wide without a fill; solid, no clipping, non-zero winding.
void ApplyCropMarkStyle(PDArtHandle art, CropMarkPart part) noexcept;

// Tags the object with its index ("%04d") and locks it.
void TagAndLockCropMark(PDArtHandle art, int16_t index) noexcept;

#endif
