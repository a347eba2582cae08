// Numbers as SVG attributes write them: the number grammar, lists separated by white space and commas, and the
// shortest text that reads back to the same double.
#ifndef HOST_SVG_SVGNUMBERS_H
#define HOST_SVG_SVGNUMBERS_H

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace host::svg {

// A value that cannot be read; the reader puts the place of the attribute in front of the message.
struct SvgValueError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

inline bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
std::string_view Trim(std::string_view text);

// Reads numbers one by one from a text such as a path's data or a list of points.
class NumberScanner {
public:
    explicit NumberScanner(std::string_view text) : fText(text) {}

    // Inline: a path's data calls these between every two numbers.
    void SkipSpace()
    {
        while (fPosition < fText.size() && IsSpace(fText[fPosition])) ++fPosition;
    }
    // White space, at most one comma, white space.
    void SkipSeparator()
    {
        SkipSpace();
        if (Peek() == ',') {
            ++fPosition;
            SkipSpace();
        }
    }
    bool AtEnd()  // after white space
    {
        SkipSpace();
        return fPosition >= fText.size();
    }
    bool AtNumber() const;  // a sign, a digit or a point comes next
    char Peek() const { return fPosition < fText.size() ? fText[fPosition] : '\0'; }
    std::size_t Remaining() const { return fText.size() - fPosition; }
    void Advance() { ++fPosition; }
    // The next number; throws SvgValueError for anything else, for a value beyond a double and for a non-zero
    // value too small for one.
    double Number();
    // An arc flag: one "0" or "1".
    bool Flag();
    // The text from here to the next separator (at most 24 characters), for messages.
    std::string Token() const;

private:
    std::string_view fText;
    std::size_t fPosition = 0;
};

// The whole text (white space around allowed) is one number.
double ParseNumber(std::string_view text);
// Numbers separated by white space and/or commas.
std::vector<double> ParseNumberList(std::string_view text);
// The shortest text that reads back to the same double; throws SvgValueError for a value that is not finite.
std::string FormatNumber(double value);
// "\"text\"" for messages.
std::string Quoted(std::string_view text);

}  // namespace host::svg

#endif
