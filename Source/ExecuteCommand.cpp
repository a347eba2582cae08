// The operations the panel asks for by number.
#include "Edition.h"
#include "PayloadParser.h"
#include "TalvexGlimtUIController.h"
#include "TalvexPanelProtocol.h"
#include "pendrake/PDUnicodeString.h"

void TalvexGlimtUIController::ExecuteCommand(const trml::event::Event* event)
{
    if (!event) return;
    // The payload in the host's platform encoding; null data is the empty payload, which names no operation.
    const pd::UnicodeString payload(event->data, kPDPlatformEncoding);
    switch (static_cast<PanelOperation>(ParseOperation(payload))) {
    case PanelOperation::kCreateOutline: CreateOutline(); break;
    case PanelOperation::kOutputRun: ExecuteTalvexOut(payload); break;
    case PanelOperation::kOutlineStrokes: OutlinePath(); break;
    case PanelOperation::kOffsetPath: OffsetPath(); break;
    case PanelOperation::kUnitePaths: UnitePath(); break;
    case PanelOperation::kToggleCutTag:
        MarkingFromSelection();
        RedrawPreview();
        break;
    case PanelOperation::kMakeCropMarks:
        // A second request replaces the marks: never two sets.
        if (HasCropMarks()) DoCropMark(false);
        DoCropMark(true);
        break;
    case PanelOperation::kDeleteCropMarks:
        if (HasCropMarks()) DoCropMark(false);
        break;
    case PanelOperation::kSendMachineTypeList: SendMachineTypeList(); break;
    case PanelOperation::kSendCropmarkParamList: SendCropmarkParamList(); break;
    case PanelOperation::kSetCropParameters: SetCropParameters(payload); break;
    case PanelOperation::kSendCropCorner: SendCropCorner(); break;
    case PanelOperation::kOpenHelp: ExecuteHelp(payload); break;
    case PanelOperation::kSendPreviewInfo: SendPreviewInfo(payload); break;
    case PanelOperation::kRedrawPreview: RedrawPreview(); break;
    case PanelOperation::kTogglePerforationTag:
        // Perforation lines and cut conditions belong to the Windows feature set.
        if (!kMacEdition) {
            PerforationMarkingFromSelection();
            RedrawPreview();
        }
        break;
    case PanelOperation::kSetCutConditions:
        if (!kMacEdition) SetCutConditions(payload);
        break;
    default: break;  // no operation, or one nobody handles
    }
}
