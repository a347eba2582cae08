// One line of the cut data file: items separated by single blanks, ended by CR LF. Reals are written as "%lf"
// writes them in the C locale (fixed, six decimals, "." as the point, a leading "-" when negative), whatever
// their size; the buffer holds the longest line the file has, so nothing is ever cut short.
#ifndef MARKPLUG_CUTLINE_H
#define MARKPLUG_CUTLINE_H

#include <cstddef>
#include <cstdint>

// "%lf" of the largest double: a sign, 309 digits, the point and six decimals.
inline constexpr std::size_t kMaxRealTextLength = 1 + 309 + 1 + 6;

// The real in fixed notation with six decimals into text (at least kMaxRealTextLength + 1 bytes), terminated;
// its length, or 0 for a value that is not a finite number.
std::size_t FormatCutReal(double value, char* text) noexcept;

class CutLine {
public:
    // The most items a line holds: six coordinates and an operator, or the crop-mark comment's eight.
    static constexpr std::size_t kMaxItems = 8;
    static constexpr std::size_t kCapacity = kMaxItems * (kMaxRealTextLength + 1) + 2 + 1;

    // A line made in a buffer of its own.
    CutLine() noexcept : fText(fOwnText) {}
    // A line made in place at storage, which has room for kCapacity bytes, so that it need not be copied there.
    explicit CutLine(char* storage) noexcept : fText(storage) {}
    CutLine(const CutLine&) = delete;
    CutLine& operator=(const CutLine&) = delete;

    CutLine& Word(const char* text) noexcept;
    CutLine& Real(double value) noexcept;
    CutLine& Integer(int32_t value) noexcept;

    // The line with CR LF, NUL-terminated; null when an item did not fit or a real was not a finite number.
    const char* Finish() noexcept;
    // The length of what Finish returned, CR LF included.
    std::size_t FinishedLength() const noexcept { return fLength + 2; }

private:
    void Append(const char* text, std::size_t length) noexcept;

    // Not cleared: only the first fLength bytes are ever read, and a line is made for every segment written.
    char fOwnText[kCapacity];
    char* fText;
    std::size_t fLength = 0;
    bool fFailed = false;
};

#endif
