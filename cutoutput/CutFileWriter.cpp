#include "CutFileWriter.h"

#include <cstring>
#include <new>

#include "CropSettings.h"
#include "CutLine.h"
#include "CutOutputPaths.h"

CutFileWriter::CutFileWriter(const std::string& path) noexcept
    : fPath(path), fBuffer(new (std::nothrow) char[kBufferSize])
{
}

CutFileWriter::~CutFileWriter() { Close(); }

void CutFileWriter::WriteCutFileHeader(bool cropMarks) noexcept
{
    Close();
    fFailed = false;
    fBuffered = 0;
    fFile = fPath.empty() ? platform::kInvalidFile : platform::CreateFileAlways(fPath);
    if (fFile == platform::kInvalidFile) fFailed = true;

    WriteCutData("%!PS-Adobe-3.0\r\n");  // the DSC 3.0 conformance line
    if (cropMarks) {
        // The mark radius twice, the mark distances, the margins, in points, and the number of marks.
        const CropParameterRow& settings = cropParameter;
        CutLine line;
        line.Word("%%VarrowCropMark:")
            .Real(ToPoints(500))
            .Real(ToPoints(500))
            .Real(ToPoints(settings.horzDistance))
            .Real(ToPoints(settings.vertDistance))
            .Real(ToPoints(settings.leftMargin))
            .Real(ToPoints(settings.bottomMargin))
            .Integer(settings.cropCount);
        WriteLine(line);
    }
    WriteCutData(
        "%%EndComments\r\n%%BeginProlog\r\n%%EndProlog\r\n%%BeginSetup\r\n%%EndSetup\r\n"
        "%PD5_BeginLayer\r\n");
}

CutLaunch CutFileWriter::WriteCutFileTrailer() noexcept
{
    WriteCutData("%PD5_EndLayer--\r\n%%PageTrailer\r\n%%Trailer\r\n%%EOF\r\n");
    Close();
    if (fFailed) return CutLaunch::kFileIncomplete;
    return StartTalvex(fPath) ? CutLaunch::kStarted : CutLaunch::kNotInstalled;
}

void CutFileWriter::WriteCutData(const char* text) noexcept
{
    if (text) WriteBytes(text, std::strlen(text));
}

void CutFileWriter::WriteLine(CutLine& line) noexcept
{
    const char* text = line.Finish();
    if (!text) {
        fFailed = true;  // never cut short: a line that cannot be written makes the file incomplete
        return;
    }
    WriteCutData(text);
}

void CutFileWriter::WriteBytes(const char* bytes, std::size_t size) noexcept
{
    if (fFile == platform::kInvalidFile) return;
    if (fBuffer && size <= kBufferSize) {
        if (kBufferSize - fBuffered < size) Flush();
        std::memcpy(fBuffer.get() + fBuffered, bytes, size);
        fBuffered += size;
        return;
    }
    Flush();
    if (!platform::WriteFileBytes(fFile, bytes, size)) fFailed = true;
}

void CutFileWriter::Flush() noexcept
{
    if (fBuffered == 0) return;
    if (fFile == platform::kInvalidFile || !platform::WriteFileBytes(fFile, fBuffer.get(), fBuffered)) fFailed = true;
    fBuffered = 0;
}

void CutFileWriter::Close() noexcept
{
    if (fFile == platform::kInvalidFile) return;
    Flush();
    if (!platform::CloseFile(fFile)) fFailed = true;
    fFile = platform::kInvalidFile;
}
