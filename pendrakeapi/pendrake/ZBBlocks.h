/* The Blocks suite: named memory blocks from the host. */
#ifndef PENDRAKE_ZBBLOCKS_H
#define PENDRAKE_ZBBLOCKS_H

#include "PDTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kZBBlocksSuite "ZB Blocks Suite"
#define kZBBlocksSuiteVersion2 2

typedef struct ZBBlocksSuite2 {
    /* Allocates size bytes; name says what for and shows in the host's record of open blocks. The block
       belongs to the caller until DisposeBlock. kOutOfMemoryErr when the allocation fails. */
    ZBErr (*AllocateBlock)(size_t size, const char* name, void** block);
    /* Frees a block of this suite; kBadParameterErr for a pointer it did not hand out (nothing is freed). */
    ZBErr (*DisposeBlock)(void* block);
    /* Resizes a block, keeping its contents up to the smaller size; the old pointer is invalid afterwards. */
    ZBErr (*ReallocateBlock)(void* block, size_t newSize, const char* name, void** newBlock);
    /* Stores the block's size in *size. */
    ZBErr (*SizeOfBlock)(void* block, size_t* size);
} ZBBlocksSuite2;

#ifdef __cplusplus
}
#endif

#endif
