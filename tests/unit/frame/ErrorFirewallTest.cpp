// The firewall that every C-facing entry of both plug-ins runs its work in.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "pendrake/IPDError.h"

namespace {

TEST(ErrorFirewall, MapsWhatTheWorkThrowsMostSpecificFirst)
{
    EXPECT_EQ(pd::CodeOfWork([] { return ZBErr{kNoErr}; }), kNoErr);
    EXPECT_EQ(pd::CodeOfWork([] { return ZBErr{PD_FOURCC('S', 'T', 'O', 'P')}; }), PD_FOURCC('S', 'T', 'O', 'P'));
    EXPECT_EQ(pd::CodeOfWork([]() -> ZBErr { throw pd::Error(PD_FOURCC('F', 'M', 'T', '?')); }),
              PD_FOURCC('F', 'M', 'T', '?'));
    EXPECT_EQ(pd::CodeOfWork([]() -> ZBErr { throw std::bad_alloc(); }), PD_FOURCC('!', 'M', 'E', 'M'));
    EXPECT_EQ(pd::CodeOfWork([]() -> ZBErr { throw std::runtime_error("x"); }), PD_FOURCC('C', 'A', 'N', 'T'));
    EXPECT_EQ(pd::CodeOfWork([]() -> ZBErr { throw 7; }), PD_FOURCC('C', 'A', 'N', 'T'));
}

}  // namespace
