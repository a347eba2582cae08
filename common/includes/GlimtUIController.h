// GlimtUIController: the base of a panel controller. It owns the binding of the panel service library for one
// panel extension; a derived controller says which events it listens for and what it does with them.
#ifndef MARKPLUG_GLIMTUICONTROLLER_H
#define MARKPLUG_GLIMTUICONTROLLER_H

#include "SDKWirelet.h"

class GlimtUIController {
public:
    // Binds the panel service library; a failed binding leaves the controller without a panel link.
    explicit GlimtUIController(const char* extensionId) noexcept;
    GlimtUIController(const GlimtUIController&) = delete;
    GlimtUIController& operator=(const GlimtUIController&) = delete;

    // The virtual operations, in slot order. The destructor unbinds the library.
    virtual ~GlimtUIController();
    virtual int32_t LoadExtension();
    virtual int32_t UnloadExtension();
    virtual int32_t RegisterTRMLEventListeners() = 0;
    virtual int32_t RemoveEventListeners() = 0;
    virtual int32_t SendData() = 0;
    virtual void ParseData(const char* data) = 0;

protected:
    SDKWirelet fWirelet;
    const char* fExtensionId;
};

#endif
