#include "CutTags.h"

#include "CropMarkObjects.h"

bool CarriesStringTag(PDArtHandle art, const char* name) noexcept
{
    return AskStringTag(art, name) == TagAnswer::kCarried;
}
