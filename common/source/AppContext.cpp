#include "AppContext.h"

#include "Suites.h"

AppContext::AppContext(ZBPlugin* pluginRef) noexcept
{
    if (sPDContext && sPDContext->PushAppContext)
        fPushed = sPDContext->PushAppContext(pluginRef, &fAppContext) == kNoErr;
}

AppContext::~AppContext()
{
    // Only a context that was pushed is popped; a destructor has nobody to tell of a refusal.
    if (fPushed && sPDContext && sPDContext->PopAppContext) sPDContext->PopAppContext(fAppContext);
}
