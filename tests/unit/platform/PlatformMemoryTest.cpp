#include <gtest/gtest.h>

#include <filesystem>

#include "ProgramRun.h"
#include "TempFolder.h"

namespace {

bool Sanitized()
{
#if defined(__SANITIZE_ADDRESS__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return true;
#endif
#endif
    return false;
}

// The program's first step: the heap takes a 64 MiB step at once, the part of it that holds whole 2 MiB pages
// carries the huge page advice, and the blocks allocated next lie there, large ones too, not below it or in
// mappings of their own. A sanitizer's allocator does not use the break: then nothing changes.
TEST(PlatformHeapPages, FirstStepIsTakenAndAdvised)
{
    TempFolder folder;
    const ProgramResult result = RunProgram({HEAP_PAGES_PROBE}, folder.Path());
    ASSERT_EQ(result.fExitCode, 0) << result.fErr;
    if (Sanitized()) {
        EXPECT_EQ(result.fOut, "break moved 0 MiB, advised no, next blocks in large pages no\n");
        return;
    }
    if (!std::filesystem::exists("/sys/kernel/mm/transparent_hugepage"))
        GTEST_SKIP() << "this kernel has no transparent huge pages";
    EXPECT_EQ(result.fOut, "break moved 64 MiB, advised yes, next blocks in large pages yes\n");
}

// Room made for a large document beyond the first step: the heap grows by it (and a step) at once, advised as
// well, so that a block larger than the first step lies in large pages too; filling the room in ahead of the
// program leaves what the program wrote there as it was.
TEST(PlatformHeapPages, RoomForALargeDocumentIsAdvisedToo)
{
    TempFolder folder;
    const ProgramResult result = RunProgram({HEAP_PAGES_PROBE, "256"}, folder.Path());
    ASSERT_EQ(result.fExitCode, 0) << result.fErr;
    if (Sanitized()) {
        EXPECT_EQ(result.fOut,
                  "break moved 0 MiB, advised no, next blocks in large pages no, what was written kept yes\n");
        return;
    }
    if (!std::filesystem::exists("/sys/kernel/mm/transparent_hugepage"))
        GTEST_SKIP() << "this kernel has no transparent huge pages";
    EXPECT_EQ(result.fOut,
              "break moved 384 MiB, advised yes, next blocks in large pages yes, what was written kept yes\n");
}

}  // namespace
