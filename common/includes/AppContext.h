// AppContext: makes the host act for this plug-in for the lifetime of the object, and restores the host's
// previous application context afterwards. Held around notifier messages and panel events, which the host does
// not frame itself. Does nothing while the Context suite is not held.
#ifndef MARKPLUG_APPCONTEXT_H
#define MARKPLUG_APPCONTEXT_H

#include "pendrake/PDTypes.h"

class AppContext {
public:
    explicit AppContext(ZBPlugin* pluginRef) noexcept;
    ~AppContext();
    // Whether the host now acts for this plug-in. Outside a message the host refuses every call when it does not:
    // work that needs the host is then not begun.
    bool Entered() const noexcept { return fPushed; }
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

private:
    PDAppContextHandle fAppContext = nullptr;
    bool fPushed = false;
};

#endif
