// The clipping library sweeps a row at a time from bottom to top and keeps every edge the row crosses in a
// list, so a long path lying across costs it about the square of its length. Swapping x and y for the work
// (a mirror image, which reverses every contour's turn) lets it sweep along the longer side instead.
#ifndef HOST_ACTIONS_LONGSIDESWEEP_H
#define HOST_ACTIONS_LONGSIDESWEEP_H

#include <polyclipping/clipper.hpp>

namespace host {

class LongSideSweep {
public:
    // Decides from the input's bounds: wider than high swaps.
    explicit LongSideSweep(const ClipperLib::Paths& input);

    // The input as the library is to see it.
    void In(ClipperLib::Paths& paths) const;
    // A result back in place, each contour turning the way it did before the mirror.
    void Out(ClipperLib::Paths& paths) const;

    bool Swaps() const { return fSwaps; }

private:
    bool fSwaps = false;
};

}  // namespace host

#endif
