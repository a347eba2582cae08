#include "CutFileWriter.h"

#include <cmath>
#include <cstring>
#include <new>
#include <utility>

#include "CropMarkObjects.h"
#include "CropSettings.h"
#include "CutLine.h"
#include "CutOutputPaths.h"
#include "CutTags.h"
#include "PathSegments.h"
#include "TalvexPluginDialogSuites.h"

namespace {

struct Moved {
    double h;
    double v;
};

Moved Move(const PDRealPoint& point, const PDRealPoint& offset) noexcept
{
    return {static_cast<double>(point.h) + static_cast<double>(offset.h),
            static_cast<double>(point.v) + static_cast<double>(offset.v)};
}

bool Finite(const Moved& point) noexcept { return std::isfinite(point.h) && std::isfinite(point.v); }

// Whether every coordinate the block writes is a finite number.
bool AllWrittenFinite(int32_t count, const PDPathSegment* segments, const PDRealPoint& offset) noexcept
{
    for (int32_t k = 0; k < count; ++k) {
        if (!Finite(Move(segments[k].p, offset))) return false;
        if (k > 0 && !(Finite(Move(segments[k - 1].out, offset)) && Finite(Move(segments[k].in, offset)))) return false;
    }
    return true;
}

CutLine& AddPoint(CutLine& line, const Moved& point) noexcept { return line.Real(point.h).Real(point.v); }

}  // namespace

CutFileWriter::CutFileWriter(std::string path) noexcept
    : fPath(std::move(path)), fBuffer(new (std::nothrow) char[kBufferSize])
{
}

CutFileWriter::~CutFileWriter() { Close(); }

template <typename Fill>
void CutFileWriter::PutLine(Fill&& fill) noexcept
{
    if (fFile == platform::kInvalidFile || !fBuffer) {
        CutLine line;
        fill(line);
        WriteLine(line);
        return;
    }
    if (kBufferSize - fBuffered < CutLine::kCapacity) Flush();
    CutLine line(fBuffer.get() + fBuffered);
    fill(line);
    if (!line.Finish()) {
        fFailed = true;  // never cut short: a line that cannot be written makes the file incomplete
        return;
    }
    fBuffered += line.FinishedLength();
}

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
            .Real(ToPoints(cropRadius))
            .Real(ToPoints(cropRadius))
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

// The path blocks: "u", a move to the first anchor, one cubic curve per further segment, "s" (closed) or "S"
// (open), the perforation tag line of a perforation line, "U".
void CutFileWriter::WriteArtPath(PDArtHandle art, PDRealPoint offset) noexcept
{
    // A path left out would not be cut: a path that cannot be read whole makes the file incomplete.
    PathSegments segments("cut path segments");
    if (segments.Read(art) != PathSegments::Result::kRead) {
        fFailed = true;
        return;
    }
    WriteCutPath(segments.Count(), art, segments.Get(), offset, segments.Closed());
}

void CutFileWriter::WriteCutPath(int32_t count, PDArtHandle art, const PDPathSegment* segments, PDRealPoint offset,
                                 bool closed) noexcept
{
    if (count > 0 && (!segments || !AllWrittenFinite(count, segments, offset))) {
        fFailed = true;
        return;
    }
    WriteLiteral("u\r\n");
    for (int32_t k = 0; k < count; ++k) {
        PutLine([&](CutLine& line) {
            if (k == 0) {
                AddPoint(line, Move(segments[0].p, offset)).Word("m");
            } else {
                AddPoint(line, Move(segments[k - 1].out, offset));
                AddPoint(line, Move(segments[k].in, offset));
                AddPoint(line, Move(segments[k].p, offset)).Word("c");
            }
        });
    }
    if (closed)
        WriteLiteral("s\r\n");
    else
        WriteLiteral("S\r\n");
    const TagAnswer perforation = AskStringTag(art, kPerforationMarkTagName);
    if (perforation == TagAnswer::kUnknown) fFailed = true;  // a perforation line would be cut through
    if (perforation == TagAnswer::kCarried) {
        // "/%s (002) XT" with the tag name: the host's object tag operator.
        WriteLiteral("/");
        WriteCutData(kPerforationMarkTagName);
        WriteLiteral(" (002) XT\r\n");
    }
    WriteLiteral("U\r\n");
}

CutLaunch CutFileWriter::WriteCutFileTrailer() noexcept
{
    WriteCutData("%PD5_EndLayer--\r\n%%PageTrailer\r\n%%Trailer\r\n%%EOF\r\n");
    Close();
    if (fFailed) return CutLaunch::kFileIncomplete;
    switch (StartTalvex(fPath)) {
    case TalvexStart::kStarted: return CutLaunch::kStarted;
    case TalvexStart::kNotInstalled: return CutLaunch::kNotInstalled;
    case TalvexStart::kFailed: break;
    }
    return CutLaunch::kNotStarted;
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
    WriteBytes(text, line.FinishedLength());
}

void CutFileWriter::WriteBytesAtFull(const char* bytes, std::size_t size) noexcept
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
