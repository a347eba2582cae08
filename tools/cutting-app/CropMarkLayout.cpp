#include "CropMarkLayout.h"

namespace talvex {

std::vector<CutPoint> CropMarkCentres(const CropMarkValues& values)
{
    const double r = values.fRadius;
    const CutPoint bottomLeft{r, r};
    const CutPoint bottomRight{r + values.fWidth, r};
    const CutPoint topLeft{r, r + values.fLength};
    const CutPoint topRight{r + values.fWidth, r + values.fLength};
    if (values.fCount == 4) {
        return {bottomLeft, bottomRight, topLeft, topRight};
    }
    if (values.fCount == 3) {
        return {bottomLeft, bottomRight, topLeft};
    }
    return {topLeft, topRight, bottomLeft};
}

std::string CropMarkLayoutText(const CropMarkValues& values)
{
    if (values.fCount == 4) {
        return "four marks: bottom-left, bottom-right, top-left, top-right";
    }
    if (values.fCount == 3) {
        return "three marks: bottom-left, bottom-right, top-left";
    }
    return "three marks: top-left, top-right, bottom-left";
}

}  // namespace talvex
