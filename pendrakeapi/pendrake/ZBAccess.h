/* The Access suite: keeping a plug-in's code loaded, and what the host knows of a plug-in's module. */
#ifndef PENDRAKE_ZBACCESS_H
#define PENDRAKE_ZBACCESS_H

#include "PDTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kZBAccessSuite "ZB Access Suite"
#define kZBAccessSuiteVersion3 3

/* Platform information of a plug-in's module. */
typedef struct ZBPlatformAccessInfo {
    void* module;     /* the loaded module (a module handle on Windows, a dlopen handle elsewhere) */
    const char* path; /* the module's file, UTF-8, owned by the host while the plug-in is known */
} ZBPlatformAccessInfo;

typedef struct ZBAccessSuite3 {
    /* Locks the plug-in's code in memory and stores the lock in *access; each call is one more lock.
       kBadParameterErr for an unknown plug-in. The lock lasts until ReleasePlugin. */
    ZBErr (*AcquirePlugin)(ZBPlugin* plugin, ZBAccessRef* access);
    /* Gives back one lock of AcquirePlugin; kBadObjectErr for a lock the host does not know. */
    ZBErr (*ReleasePlugin)(ZBAccessRef access);
    /* Stores the plug-in's access record in *access without locking it; valid while the plug-in is known. */
    ZBErr (*GetPluginAccess)(ZBPlugin* plugin, ZBAccessRef* access);
    /* Stores in *isLoaded whether the plug-in's code is loaded now. */
    ZBErr (*IsAccessLoaded)(ZBAccessRef access, ZBBoolean* isLoaded);
    /* Stores in *count how many locks are held on the plug-in's code. */
    ZBErr (*GetAccessLockCount)(ZBAccessRef access, int32_t* count);
    /* Stores in *plugin the plug-in that the access record belongs to. */
    ZBErr (*GetAccessPlugin)(ZBAccessRef access, ZBPlugin** plugin);
    /* Fills *info with the platform information of the plug-in's module. kBadObjectErr for an unknown record. */
    ZBErr (*GetPlatformAccessInfo)(ZBAccessRef access, ZBPlatformAccessInfo* info);
} ZBAccessSuite3;

#ifdef __cplusplus
}
#endif

#endif
