// The Document suite on the host's current document, in both precisions.
#include "ArtHandles.h"
#include "CoreSuites.h"
#include "RealValues.h"
#include "host/RealLayouts.h"
#include "host/Utf.h"
#include "pendrake/PDDocument.h"

namespace host {
namespace {

ZBErr GetDocument(PDDocumentHandle* document)
{
    return HostCall("GetDocument", [&](Host& host) {
        if (!document) return kBadParameterErr;
        *document = nullptr;
        if (!host.CurrentDocument()) return kNoDocumentErr;
        *document = HandleOf<PDDocumentHandle>(host.DocumentNumber());
        return kNoErr;
    });
}

template <typename Real>
ZBErr GetDocumentOrigin(RealPoint<Real>* origin)
{
    return WithDocument("GetDocumentOrigin", [&](Host&, Document& document) {
        if (!origin) return kBadParameterErr;
        *origin = {ToReal<Real>(document.Origin().h), ToReal<Real>(document.Origin().v)};
        return kNoErr;
    });
}

template <typename Real>
ZBErr SetDocumentOrigin(const RealPoint<Real>* origin)
{
    return WithDocument("SetDocumentOrigin", [&](Host&, Document& document) {
        if (!origin || !AllFinite(origin->h, origin->v)) return kBadParameterErr;
        document.SetOrigin({origin->h, origin->v});
        return kNoErr;
    });
}

template <typename Real>
ZBErr GetDocumentSetup(DocumentSetup<Real>* setup)
{
    return WithDocument("GetDocumentSetup", [&](Host&, Document& document) {
        if (!setup) return kBadParameterErr;
        *setup = {};
        setup->width = ToReal<Real>(document.PageWidth());
        setup->height = ToReal<Real>(document.PageHeight());
        return kNoErr;
    });
}

// Only the page size is kept; the other fields have no part in this host's document.
template <typename Real>
ZBErr SetDocumentSetup(const DocumentSetup<Real>* setup)
{
    return WithDocument("SetDocumentSetup", [&](Host&, Document& document) {
        if (!setup || !AllFinite(setup->width, setup->height) || !(setup->width > 0) || !(setup->height > 0))
            return kBadParameterErr;
        document.SetPage(setup->width, setup->height);
        return kNoErr;
    });
}

ZBErr GetDocumentFileName(PDUnicodeStringRef name)
{
    return WithString("GetDocumentFileName", name, [&](Host& host, PDUnicodeStringOpaque& string) {
        const Document* document = host.CurrentDocument();
        if (!document) return kNoDocumentErr;
        string.text = DecodeUtf8(document->FileName());
        return kNoErr;
    });
}

template <typename Real>
const DocumentSuiteLayout<Real> kDocumentSuite = {GetDocument,
                                                  GetDocumentOrigin<Real>,
                                                  SetDocumentOrigin<Real>,
                                                  GetDocumentSetup<Real>,
                                                  SetDocumentSetup<Real>,
                                                  GetDocumentFileName};

}  // namespace

void OfferDocumentSuite(SuiteRegistry& registry)
{
    registry.Offer(kPDDocumentSuite, kPDDocumentSuiteVersion14, &kDocumentSuite<double>);
    registry.Offer(kPDDocumentSuite, kPDDocumentSuiteVersion1013, &kDocumentSuite<float>);
}

}  // namespace host
