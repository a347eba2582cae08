#include <cstdio>

#include "CropMarkObjects.h"
#include "TalvexPluginDialogSuites.h"
#include "pendrake/PDArt.h"
#include "pendrake/PDTag.h"

bool CarriesCropMarkTag(PDArtHandle art) noexcept
{
    const char* value = nullptr;
    return sPDTag && sPDTag->GetTag(art, kCropMarkTagName, kPDStringTagType, &value) == kNoErr;
}

void TagAndLockCropMark(PDArtHandle art, int16_t index) noexcept
{
    char value[16];
    std::snprintf(value, sizeof value, "%04d", static_cast<int>(index));
    sPDTag->SetTag(art, kCropMarkTagName, kPDStringTagType, value);
    sPDArt->SetArtUserAttr(art, kPDArtLocked, kPDArtLocked);
}
