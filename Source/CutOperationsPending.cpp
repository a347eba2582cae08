// The cut marking, path preparation, output and help operations, which do nothing until the cut output side
// provides them. This file goes when they arrive.
#include "TalvexGlimtUIController.h"

void TalvexGlimtUIController::CreateOutline() {}

void TalvexGlimtUIController::ExecuteTalvexOut(const pd::UnicodeString&) {}

void TalvexGlimtUIController::OutlinePath() {}

void TalvexGlimtUIController::OffsetPath() {}

void TalvexGlimtUIController::UnitePath() {}

void TalvexGlimtUIController::MarkingFromSelection() {}

void TalvexGlimtUIController::PerforationMarkingFromSelection() {}

void TalvexGlimtUIController::ExecuteHelp(const pd::UnicodeString&) {}

void TalvexGlimtUIController::SendPreviewInfo(const pd::UnicodeString&) {}

void TalvexGlimtUIController::SetCutConditions(const pd::UnicodeString&) {}
