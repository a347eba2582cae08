#include "CropMarkObjects.h"

#include <cstdio>

#include "ArtMatchList.h"

#include "TalvexPluginDialogSuites.h"
#include "pendrake/PDArt.h"
#include "pendrake/PDPathStyle.h"
#include "pendrake/PDTag.h"

TagAnswer AskStringTag(PDArtHandle art, const char* name) noexcept
{
    if (!sPDTag) return TagAnswer::kUnknown;
    // A null value pointer asks for presence only.
    switch (sPDTag->GetTag(art, name, kPDStringTagType, nullptr)) {
    case kNoErr: return TagAnswer::kCarried;
    case kNoSuchKeyErr:
    case kWrongTypeErr: return TagAnswer::kAbsent;
    default: return TagAnswer::kUnknown;
    }
}

bool CarriesCropMarkTag(PDArtHandle art) noexcept { return AskStringTag(art, kCropMarkTagName) == TagAnswer::kCarried; }

bool FindCropMarks(bool& present) noexcept
{
    // Every object is asked, so that the answer does not depend on the order of the list.
    const ArtMatchList art(ArtMatchList::Query::kAnyArt);
    if (!art.Answered()) return false;
    bool found = false;
    bool unknown = false;
    for (const PDArtHandle object : art) {
        switch (AskStringTag(object, kCropMarkTagName)) {
        case TagAnswer::kCarried: found = true; break;
        case TagAnswer::kAbsent: break;
        case TagAnswer::kUnknown: unknown = true; break;
        }
    }
    if (unknown && !found) return false;
    present = found;
    return true;
}

bool CurrentDocumentOrigin(PDRealPoint& origin) noexcept
{
    PDDocumentHandle document = nullptr;
    if (!sPDDocument || !sPDArt || !sPDPath || !sPDPathStyle || !sPDTag) return false;
    if (sPDDocument->GetDocument(&document) != kNoErr) return false;
    PDRealPoint queried = {0, 0};
    if (sPDDocument->GetDocumentOrigin(&queried) != kNoErr) return false;
    origin = queried;
    return true;
}

PDArtHandle NewCropMarkPath() noexcept
{
    PDArtHandle art = nullptr;
    if (sPDArt->NewArt(kPDPathArt, kPDPlaceBelowAll, nullptr, &art) != kNoErr) return nullptr;
    return art;
}

bool TagAndLockCropMark(PDArtHandle art, int16_t index) noexcept
{
    char value[16];
    std::snprintf(value, sizeof value, "%04d", static_cast<int>(index));
    return sPDTag->SetTag(art, kCropMarkTagName, kPDStringTagType, value) == kNoErr &&
           sPDArt->SetArtUserAttr(art, kPDArtLocked, kPDArtLocked) == kNoErr;
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

bool ApplyCropMarkStyle(PDArtHandle art, CropMarkPart part) noexcept
{
    const bool circle = part == CropMarkPart::Circle;
    // The style the host gave the new path, with the mark's fields set.
    PDPathStyle style{};
    if (sPDPathStyle->GetPathStyle(art, &style) != kNoErr) return false;
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
    return sPDPathStyle->SetPathStyle(art, &style) == kNoErr;
}

bool FinishCropMark(PDArtHandle art, const PDPathSegment* segments, int16_t count, bool closed, CropMarkPart part,
                    int16_t index) noexcept
{
    if (sPDPath->SetPathSegments(art, 0, count, segments) == kNoErr && sPDPath->SetPathClosed(art, closed) == kNoErr &&
        ApplyCropMarkStyle(art, part) && TagAndLockCropMark(art, index))
        return true;
    sPDArt->DisposeArt(art);
    return false;
}
