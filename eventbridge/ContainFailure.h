// Where eventbridge's C++ meets a C caller (the entry point, the panel listeners, the binding of the panel
// library), whatever the work throws becomes a host error code, so that no exception crosses the boundary.
#ifndef EVENTBRIDGE_CONTAINFAILURE_H
#define EVENTBRIDGE_CONTAINFAILURE_H

#include <new>

#include "pendrake/IPDError.h"

template <typename Work>
ZBErr ContainFailure(Work&& work) noexcept
{
    try {
        return work();
    } catch (const pd::Error& error) {
        return error.Code();
    } catch (const std::bad_alloc&) {
        return kOutOfMemoryErr;
    } catch (...) {
        return kCantHappenErr;
    }
}

#endif
