// The operations the panel asks for by number.
#include "Edition.h"
#include "PayloadParser.h"
#include "TalvexGlimtUIController.h"
#include "pendrake/PDUnicodeString.h"

void TalvexGlimtUIController::ExecuteCommand(const trml::event::Event* event)
{
    if (!event) return;
    // The payload in the host's platform encoding; null data is the empty payload, which names no operation.
    const pd::UnicodeString payload(event->data, kPDPlatformEncoding);
    switch (ParseOperation(payload)) {
    case 0: CreateOutline(); break;
    case 1: ExecuteTalvexOut(payload); break;
    case 2: OutlinePath(); break;
    case 3: OffsetPath(); break;
    case 4: UnitePath(); break;
    case 5:
        MarkingFromSelection();
        RedrawPreview();
        break;
    case 6:
        // A second request replaces the marks: never two sets.
        if (HasCropMarks()) DoCropMark(false);
        DoCropMark(true);
        break;
    case 7:
        if (HasCropMarks()) DoCropMark(false);
        break;
    case 8: SendMachineTypeList(); break;
    case 9: SendCropmarkParamList(); break;
    case 10: SetCropParameters(payload); break;
    case 11: SendCropCorner(); break;
    case 12: ExecuteHelp(payload); break;
    case 13: SendPreviewInfo(payload); break;
    case 14: RedrawPreview(); break;
    case 15:
        // Perforation lines and cut conditions belong to the Windows feature set.
        if (!kMacEdition) {
            PerforationMarkingFromSelection();
            RedrawPreview();
        }
        break;
    case 16:
        if (!kMacEdition) SetCutConditions(payload);
        break;
    default: break;  // no operation, or one nobody handles
    }
}
