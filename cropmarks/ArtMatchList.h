// A list of art objects that the host's matching-art suite hands out, given back to the host with the object. The
// crop marks and the cut output both walk the document with it.
#ifndef MARKPLUG_ARTMATCHLIST_H
#define MARKPLUG_ARTMATCHLIST_H

#include <cstdint>

#include "pendrake/PDTypes.h"
#include "pendrake/ZBErrors.h"

class ArtMatchList {
public:
    enum class Query {
        kSelected,  // the selected objects, with the paths inside selected groups and compound paths
        kPaths,     // every path object of the document, wherever it lies, in the host's order
        kAnyArt,    // every art object of the document, of any type at any depth, in document order
    };

    explicit ArtMatchList(Query query) noexcept;
    ~ArtMatchList();
    ArtMatchList(const ArtMatchList&) = delete;
    ArtMatchList& operator=(const ArtMatchList&) = delete;

    // Whether the host answered the query (no document open, for one, is a failed query).
    bool Answered() const noexcept { return fAnswered; }
    // Why the host did not answer: kNoDocumentErr when no document is open; kNoErr when it answered.
    ZBErr Refusal() const noexcept { return fRefusal; }
    int32_t Count() const noexcept { return fCount; }
    const PDArtHandle* begin() const noexcept { return fMatches; }
    const PDArtHandle* end() const noexcept { return fMatches + fCount; }

private:
    PDArtHandle* fMatches = nullptr;
    int32_t fCount = 0;
    bool fAnswered = false;
    ZBErr fRefusal = kNoErr;
};

#endif
