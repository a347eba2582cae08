#include "CropMarkObjects.h"

#include <cstdio>

#include "TalvexPluginDialogSuites.h"
#include "pendrake/PDArt.h"
#include "pendrake/PDPathStyle.h"
#include "pendrake/PDTag.h"

bool CurrentDocumentOrigin(PDRealPoint& origin) noexcept
{
    PDDocumentHandle document = nullptr;
    if (!sPDDocument || !sPDArt || !sPDPath || !sPDPathStyle || !sPDTag) return false;
    if (sPDDocument->GetDocument(&document) != kNoErr) return false;
    origin = {0, 0};
    PDRealPoint queried = {0, 0};
    if (sPDDocument->GetDocumentOrigin(&queried) == kNoErr) origin = queried;
    return true;
}

PDArtHandle NewCropMarkPath() noexcept
{
    PDArtHandle art = nullptr;
    if (sPDArt->NewArt(kPDPathArt, kPDPlaceBelowAll, nullptr, &art) != kNoErr) return nullptr;
    return art;
}

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

namespace {

// Four-colour black, the black component written as 100.0.
PDColor Black() noexcept
{
    PDColor color{};
    color.kind = kPDFourColor;
    color.c.f = PDFourColorStyle{0, 0, 0, 100.0};
    return color;
}

}  // namespace

void ApplyCropMarkStyle(PDArtHandle art, CropMarkPart part) noexcept
{
    const bool circle = part == CropMarkPart::Circle;
    // The style the host gave the new path, with the mark's fields set.
    PDPathStyle style{};
    sPDPathStyle->GetPathStyle(art, &style);
    style.fillPaint = circle;
    style.strokePaint = !circle;
    style.fill.color = Black();
    style.fill.overprint = circle;
    style.stroke.color = Black();
    style.stroke.width = circle ? PDReal(0) : PDReal(0.5);
    style.stroke.dash.length = 0;
    style.clip = false;
    style.lockClip = false;
    style.evenodd = false;
    sPDPathStyle->SetPathStyle(art, &style);
}
