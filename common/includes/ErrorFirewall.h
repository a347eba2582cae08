// The one firewall between plug-in code and a C caller: runs work and turns whatever it throws into a host error
// code, most specific first, so that no exception leaves PluginMain, a library binding or a panel listener.
#ifndef MARKPLUG_ERRORFIREWALL_H
#define MARKPLUG_ERRORFIREWALL_H

#include <new>

#include "pendrake/IPDError.h"

template <typename Work>
ZBErr CodeOfWork(Work&& work) noexcept
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
