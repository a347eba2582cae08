// Playing the host's own actions, which do the geometry of path preparation: by name, with or without their
// dialog, with an optional parameter block.
#ifndef MARKPLUG_HOSTACTIONS_H
#define MARKPLUG_HOSTACTIONS_H

#include <cstdint>

#include "pendrake/PDTypes.h"

// A parameter block made for one play and deleted with the object.
class ActionParams {
public:
    ActionParams() noexcept;
    ~ActionParams();
    ActionParams(const ActionParams&) = delete;
    ActionParams& operator=(const ActionParams&) = delete;

    // Null when the host made no block.
    PDActionParamValueRef Get() const noexcept { return fParams; }

private:
    PDActionParamValueRef fParams = nullptr;
};

// Plays the action. One the host refuses leaves the document as it is and throws pd::Error with the host's code,
// so that the user hears of it (a cancelled dialog is never reported).
void PlayHostAction(const char* name, int32_t dialogStatus, PDActionParamValueRef params);

#endif
