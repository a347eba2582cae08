#include "CropMarkObjects.h"
#include "TalvexPluginDialogSuites.h"
#include "pendrake/PDPathStyle.h"

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
