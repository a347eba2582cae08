// Operation 16: the panel's cut conditions replace the recorded ones; a missing element reads as 0. Nothing is
// sent back.
#include "CutConditions.h"
#include "PayloadParser.h"
#include "TalvexGlimtUIController.h"

void TalvexGlimtUIController::SetCutConditions(const pd::UnicodeString& payload)
{
    CutConditionsPayload sent{};
    sent.cutForce = GetElementInt32(payload, "CutForce");
    sent.halfCutForce = GetElementInt32(payload, "HalfCutForce");
    sent.cutLength = GetElementDouble(payload, "CutLength");
    sent.halfCutLength = GetElementDouble(payload, "HalfCutLength");
    sent.cutQuality = GetElementInt32(payload, "CutQuality");
    sent.cutSpeed = GetElementInt32(payload, "CutSpeed");
    sent.cutterOffset = GetElementDouble(payload, "CutterOffset");
    sent.useMachineCutCondition = GetElementInt32(payload, "UseMachineCutCondition");
    sent.useMachinePerforationCondition = GetElementInt32(payload, "UseMachinePerforationCondition");
    sent.cutOverlapCount = GetElementInt32(payload, "CutOverlapCount");
    StoreCutConditions(sent, gCutConditions);
}
