#include "PayloadWriter.h"

#include <locale>

// The classic locale keeps "." as the decimal point and no digit grouping, whatever the process's locale.
PayloadWriter::PayloadWriter() { fStream.imbue(std::locale::classic()); }

PayloadWriter& PayloadWriter::Open(const char* name)
{
    fStream << '<' << name << '>';
    return *this;
}

PayloadWriter& PayloadWriter::Close(const char* name)
{
    fStream << "</" << name << '>';
    return *this;
}

PayloadWriter& PayloadWriter::Element(const char* name, int32_t value)
{
    Open(name);
    fStream << value;
    return Close(name);
}

PayloadWriter& PayloadWriter::Element(const char* name, double value)
{
    Open(name);
    fStream << value;
    return Close(name);
}

PayloadWriter& PayloadWriter::Element(const char* name, const char* text)
{
    Open(name);
    if (text) fStream << text;
    return Close(name);
}
