// PayloadWriter: builds the text of an outgoing panel payload, element by element, without whitespace,
// attributes or escaping. Integers are written in decimal; reals as a text stream writes them in its default
// state: at most 6 significant digits, exponent notation below 1e-4 and from 1e6 on, no trailing zeros, "." as
// the decimal point.
#ifndef MARKPLUG_PAYLOADWRITER_H
#define MARKPLUG_PAYLOADWRITER_H

#include <cstdint>
#include <sstream>
#include <string>

class PayloadWriter {
public:
    PayloadWriter();
    PayloadWriter(const PayloadWriter&) = delete;
    PayloadWriter& operator=(const PayloadWriter&) = delete;

    // "<name>" and "</name>".
    PayloadWriter& Open(const char* name);
    PayloadWriter& Close(const char* name);
    // "<name>", the value, "</name>".
    PayloadWriter& Element(const char* name, int32_t value);
    PayloadWriter& Element(const char* name, double value);
    PayloadWriter& Element(const char* name, const char* text);

    std::string Text() const { return fStream.str(); }

private:
    std::ostringstream fStream;
};

#endif
