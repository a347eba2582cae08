// The crop frame: the rectangle whose corners are the centres of the crop marks, in page coordinates (points,
// x to the right from the page's left edge, y upward from its bottom edge), and which marks stand at its corners.
// Everything that places the marks on the page is derived here, from the current crop settings: the frame the
// marks are built on and reported with, the crop offset, and the corner the output run measures its coordinates
// from.
#ifndef MARKPLUG_CROPFRAME_H
#define MARKPLUG_CROPFRAME_H

#include <cstdint>

#include "pendrake/PDTypes.h"

enum class CropLayout : int32_t {
    TopThree = 0,     // circles top-left, top-right, bottom-left
    BottomThree = 1,  // circles bottom-left, bottom-right, top-left; the frame stands on the page bottom
    BottomFour = 2,   // circles at every corner and five corner brackets; the frame stands on the page bottom,
                      // moved kBottomFourShift right and up to make room for the brackets
};

// The arm of every corner bracket of the four-mark layout, in hundredths of a millimetre: 5 mm, whatever the mark
// radius.
inline constexpr int32_t kCropBracketArm = 500;
// How far the four-mark layout moves its frame right and up, in hundredths of a millimetre: one bracket arm, so
// that the brackets' outer ends lie leftMargin and bottomMargin from the page's edges.
inline constexpr int32_t kBottomFourShift = kCropBracketArm;

// The layout for the current settings.
CropLayout SelectCropLayout() noexcept;

// left, top, right, bottom.
using CropFrame = PDRealRect;

// Fills frame from the current settings, in the edition's real type. False, with frame untouched, when the frame
// hangs from the page top and the host reports no page (no document open).
bool GetCropmarkCorner(CropFrame* frame) noexcept;

// The offset (h: X, v: Y) from the outer corner of the area the marks cover to the same corner of the page.
void GetCropOffset(PDRealPoint* offset) noexcept;

// Takes a point (h, v) of the page to coordinates relative to the lower-left corner of the area the crop marks'
// circles cover (one mark radius left of and below the frame's lower-left corner), in double precision. False when
// the frame hangs from the page top and the host reports no page height: the point cannot be placed.
bool PageToCropArea(double& h, double& v) noexcept;

#endif
