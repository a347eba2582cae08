/* The Basic suite: the one suite a plug-in receives without asking, in every message header.
   An unknown name, or a known name in a version the host does not offer, gives kSuiteNotFoundErr and no pointer.
   Acquiring the same name and version twice gives the same pointer, and each acquisition is counted.
   A pointer stays valid until the acquisition is released, and at the latest until the plug-in is shut down. */
#ifndef PENDRAKE_ZBBASIC_H
#define PENDRAKE_ZBBASIC_H

#include "PDTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kZBBasicSuite "ZB Basic Suite"
#define kZBBasicSuiteVersion4 4

typedef struct ZBBasicSuite4 {
    /* Stores the suite of that name and version in *suite. Returns kSuiteNotFoundErr (and stores null) when the
       host has none, kBadParameterErr for a null argument. The suite belongs to the host. */
    ZBErr (*AcquireSuite)(const char* name, int32_t version, const void** suite);
    /* Gives back one acquisition of the suite. Returns kSuiteNotFoundErr when nothing of that name and version
       is held. */
    ZBErr (*ReleaseSuite)(const char* name, int32_t version);
    /* True when the two NUL-terminated texts are byte for byte equal; false when either is null. */
    ZBBoolean (*IsEqual)(const char* a, const char* b);
    /* Allocates size bytes from the host; free them with FreeBlock. kOutOfMemoryErr when that fails. */
    ZBErr (*AllocateBlock)(size_t size, void** block);
    /* Frees a block of AllocateBlock; kBadParameterErr for a pointer the host did not hand out. */
    ZBErr (*FreeBlock)(void* block);
    /* Resizes a block of AllocateBlock, keeping its contents; the old pointer is invalid afterwards. */
    ZBErr (*ReallocateBlock)(void* block, size_t newSize, void** newBlock);
    /* A placeholder that always returns kCantHappenErr, for unfilled slots of suites. */
    ZBErr (*Undefined)(void);
} ZBBasicSuite4;

typedef ZBBasicSuite4 ZBBasicSuite;

#ifdef __cplusplus
}
#endif

#endif
