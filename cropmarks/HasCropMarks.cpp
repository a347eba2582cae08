#include "CropMarkObjects.h"
#include "TalvexGlimtUIController.h"

bool TalvexGlimtUIController::HasCropMarks()
{
    bool present = false;
    return FindCropMarks(present) && present;  // an unknown answer reads as no marks
}
