// The crop frame: the rectangle whose corners are the centres of the crop marks, in page coordinates (points,
// x to the right from the page's left edge, y upward from its bottom edge), and which marks stand at its corners.
#ifndef MARKPLUG_CROPFRAME_H
#define MARKPLUG_CROPFRAME_H

#include <cstdint>

#include "pendrake/PDTypes.h"

enum class CropLayout : int32_t {
    TopThree = 0,     // circles top-left, top-right, bottom-left
    BottomThree = 1,  // circles bottom-left, bottom-right, top-left; the frame stands on the page bottom
    BottomFour = 2,   // circles at every corner and five corner brackets; the frame stands on the page bottom,
                      // moved 5 mm right and up to make room for the brackets
};

// The layout for the current settings.
CropLayout SelectCropLayout() noexcept;
bool IsBottomFour() noexcept;

// left, top, right, bottom.
using CropFrame = PDRealRect;

// Whether the frame of this machine type hangs from the page top, and so needs the page height.
bool HangsFromPageTop(int32_t machineType) noexcept;

// Fills frame from the current settings. False, with frame untouched, when the frame hangs from the page top
// and the host reports no page (no document open).
bool GetCropmarkCorner(CropFrame* frame) noexcept;

// The offset (h: X, v: Y) from the outer corner of the area the marks cover to the same corner of the page.
void GetCropOffset(PDRealPoint* offset) noexcept;

#endif
