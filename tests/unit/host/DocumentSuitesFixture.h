// A host with a document open and a probe plug-in's application context pushed, so that the document suites
// are called as a plug-in calls them, through the pointers the registry hands out.
#ifndef TESTS_UNIT_HOST_DOCUMENTSUITESFIXTURE_H
#define TESTS_UNIT_HOST_DOCUMENTSUITESFIXTURE_H

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/Host.h"
#include "host/RealLayouts.h"
#include "pendrake/PDSuites.h"

namespace suitetest {

inline host::Art* Model(host::Document& document, PDArtHandle art)
{
    return document.Find(static_cast<uint64_t>(reinterpret_cast<std::uintptr_t>(art)));
}

class DocumentSuites : public testing::Test {
protected:
    DocumentSuites()
    {
        fPlugin.name = "probe";
        fContext = fHost.PushContext(&fPlugin);
        fHost.OpenDocument(std::make_unique<host::Document>(595.2756, 841.8898));
        Doc().AddLayer("Layer 1");
    }
    ~DocumentSuites() override
    {
        fHost.PopContext(fContext);
        fHost.Suites().Forget(&fPlugin);
    }

    template <typename Suite>
    const Suite* Acquire(const char* name, int32_t version)
    {
        const void* suite = nullptr;
        EXPECT_EQ(fHost.Suites().Acquire(name, version, &suite, &fPlugin), kNoErr) << name << " " << version;
        return static_cast<const Suite*>(suite);
    }

    host::Document& Doc() { return *fHost.CurrentDocument(); }
    host::Art* Model(PDArtHandle art) { return suitetest::Model(Doc(), art); }
    const std::vector<std::string>& Violations() { return fHost.GetChecks().Violations(); }

    // A path of the given anchors (control points on the anchors), at the top of the current layer.
    PDArtHandle AddPath(const std::vector<host::Point>& anchors, host::Art* into = nullptr)
    {
        host::Art* art =
            Doc().NewArt(host::ArtKind::Path, into ? host::PaintOrder::InsideOnTop : host::PaintOrder::AboveAll, into);
        for (const host::Point& p : anchors) art->segments.push_back({p, p, p, true});
        return reinterpret_cast<PDArtHandle>(static_cast<std::uintptr_t>(art->serial));
    }

    ZBPlugin fPlugin;
    host::Host fHost;
    PDAppContextHandle fContext = nullptr;
};

}  // namespace suitetest

#endif
