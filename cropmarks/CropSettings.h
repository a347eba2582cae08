// The cutter models, their default crop settings and the current crop settings of the process. Lengths are
// integers in hundredths of a millimetre (500 is 5 mm); the host works in points.
#ifndef MARKPLUG_CROPSETTINGS_H
#define MARKPLUG_CROPSETTINGS_H

#include <cstdint>

#include "CropEdition.h"

// length × 72.0 / 25.4 / 100.0 in double precision: hundredths of a millimetre to points.
double ToPoints(int64_t length) noexcept;
// ToPoints rounded to the edition's real type.
CropReal ToEditionPoints(int64_t length) noexcept;

// The radius of every crop mark: 5 mm.
inline constexpr int32_t kCropMarkRadius = 500;
// The radius of every crop mark, kCropMarkRadius once the settings are loaded.
extern CropRadiusInt cropRadius;

// Where a model's crop frame stands.
inline constexpr int32_t kOriginTop = 0;     // hung from the page top
inline constexpr int32_t kOriginBottom = 1;  // stood on the page bottom

// How many marks a model offers.
inline constexpr int32_t kThreeMarks = 0;
inline constexpr int32_t kFourMarks = 1;
inline constexpr int32_t kThreeOrFourMarks = 2;

struct MachineTypeInfo {
    int32_t id;  // the row's index, which the panel sends back as MachineType
    const char* name;
    int32_t origin;
    int32_t cropCountKind;
    CropRadiusInt radius;
};

extern MachineTypeInfo machineTypeInfoTable[kMachineTypeCount];

// Whether machineType names a row of the model table.
constexpr bool IsMachineType(int32_t machineType) noexcept
{
    return machineType >= 0 && machineType < kMachineTypeCount;
}

struct CropParameterRow {
    int32_t leftMargin;    // page's left edge to the outer edge of the left marks
    int32_t bottomMargin;  // page's bottom edge (top edge for machine types 0 to 2) to the outer edge of the marks
    int32_t horzDistance;  // centre to centre, left to right marks
    int32_t vertDistance;  // centre to centre, lower to upper marks
    int32_t machineType;   // a row of machineTypeInfoTable
    int32_t cropCount;     // 3 or 4 marks as the user chose; stays 0 where the edition has no crop count
};

// The default settings of each model, indexed like machineTypeInfoTable.
extern CropParameterRow cropParameterTbl[kMachineTypeCount];
// The current settings.
extern CropParameterRow cropParameter;

// Sets the mark radius, fills the tables, sets the current settings to the TR-1 defaults and overlays what the
// host's preference store holds (a missing key leaves its field as it is, and a stored machine type outside the
// model table is ignored). Runs once, at start-up, on the plug-in's behalf.
void LoadCropSettings() noexcept;

#endif
