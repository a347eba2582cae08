// Where the crop marks of the macOS feature set differ from the Windows one: one model fewer (no TS-1), other
// defaults for the four-mark models, no crop count (the layout follows the machine type), single-precision
// geometry and a 64-bit mark radius.
#ifndef MARKPLUG_CROPEDITION_H
#define MARKPLUG_CROPEDITION_H

#include <cstdint>
#include <type_traits>

#include "Edition.h"
#include "pendrake/PDTypes.h"

// Rows of the model table and of the default settings table.
inline constexpr int32_t kMachineTypeCount = kMacEdition ? 8 : 9;
// Whether the user chooses three or four marks (the "CropCount" element, the "kQRW_cropCount" key) and the
// layout follows that choice; without it the layout follows the machine type alone.
inline constexpr bool kHasCropCount = !kMacEdition;
// The default bottom margin of the models TR-2 to TR-5, in hundredths of a millimetre.
inline constexpr int32_t kFourMarkModelBottomMargin = kMacEdition ? 2500 : 3000;
// The integer type of the mark radius.
using CropRadiusInt = std::conditional_t<kMacEdition, int64_t, int32_t>;
// Frame and mark geometry is computed in the host's real type: double, or single precision in the macOS set.
using CropReal = PDReal;

#endif
