// The cut conditions the panel sends (Windows feature set). They are recorded for the plug-in's life; nothing
// else reads them yet.
#ifndef MARKPLUG_CUTCONDITIONS_H
#define MARKPLUG_CUTCONDITIONS_H

#include <cstdint>

struct CutConditions {
    int32_t cutForce;
    int32_t cutSpeed;
    int32_t cutterOffset;   // thousandths of the panel's value
    int32_t cutQuality;     // the panel's value less 1
    int32_t cutLength;      // in steps of 0.025 of the panel's unit
    int32_t halfCutLength;  // the same
    int32_t halfCutForce;
    int32_t useMachineCutCondition;
    int32_t useMachinePerforationCondition;
    int32_t cutOverlapCount;  // the panel's value less 1
};

// The values as the panel sent them.
struct CutConditionsPayload {
    int32_t cutForce;
    int32_t halfCutForce;
    double cutLength;
    double halfCutLength;
    int32_t cutQuality;
    int32_t cutSpeed;
    double cutterOffset;
    int32_t useMachineCutCondition;
    int32_t useMachinePerforationCondition;
    int32_t cutOverlapCount;
};

extern CutConditions gCutConditions;

// Stores the payload's values in conditions. A value the field cannot hold (a real that is no finite number or
// whose truncation lies outside 32 bits, an integer whose decrement would) keeps the field's previous value.
void StoreCutConditions(const CutConditionsPayload& payload, CutConditions& conditions) noexcept;

#endif
