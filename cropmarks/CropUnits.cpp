#include "CropSettings.h"

CropRadiusInt cropRadius = 0;

double ToPoints(int64_t length) noexcept { return static_cast<double>(length) * 72.0 / 25.4 / 100.0; }

CropReal ToEditionPoints(int64_t length) noexcept { return static_cast<CropReal>(ToPoints(length)); }
