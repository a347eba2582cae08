#include "CutConditions.h"

#include <cmath>
#include <limits>

CutConditions gCutConditions = {};

namespace {

// The real truncated toward zero, when that is a 32-bit integer.
void StoreTruncated(double value, int32_t& field) noexcept
{
    if (!std::isfinite(value)) return;
    const double whole = std::trunc(value);
    if (whole < -2147483648.0 || whole > 2147483647.0) return;
    field = static_cast<int32_t>(whole);
}

void StoreDecremented(int32_t value, int32_t& field) noexcept
{
    if (value != std::numeric_limits<int32_t>::min()) field = value - 1;
}

}  // namespace

void StoreCutConditions(const CutConditionsPayload& payload, CutConditions& conditions) noexcept
{
    conditions.cutForce = payload.cutForce;
    conditions.halfCutForce = payload.halfCutForce;
    // A quotient, not a product: 0.3 gives 11.999999999999998 and so 11.
    StoreTruncated(payload.cutLength / 0.025, conditions.cutLength);
    StoreTruncated(payload.halfCutLength / 0.025, conditions.halfCutLength);
    StoreDecremented(payload.cutQuality, conditions.cutQuality);
    conditions.cutSpeed = payload.cutSpeed;
    StoreTruncated(payload.cutterOffset * 1000, conditions.cutterOffset);
    conditions.useMachineCutCondition = payload.useMachineCutCondition;
    conditions.useMachinePerforationCondition = payload.useMachinePerforationCondition;
    StoreDecremented(payload.cutOverlapCount, conditions.cutOverlapCount);
}
