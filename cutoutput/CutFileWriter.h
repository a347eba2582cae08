// CutFileWriter: writes one output run's cut data file, 8-bit text with CR LF line ends, through a fixed buffer
// of its own, and at its end starts the cutting application with it. A file that could not be created, or of
// which any part could not be written or closed, counts as incomplete and is never handed to the application.
#ifndef MARKPLUG_CUTFILEWRITER_H
#define MARKPLUG_CUTFILEWRITER_H

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "pendrake/PDPath.h"
#include "pendrake/PDTypes.h"
#include "platform/Platform.h"

class CutLine;

// How a run ended.
enum class CutLaunch {
    kStarted,         // the file is complete and the application was started with it
    kNotInstalled,    // the file is complete; the application is not installed, nothing was started
    kNotStarted,      // the file is complete; the system could not start the application
    kFileIncomplete,  // the file could not be created or fully written; nothing was started
};

class CutFileWriter {
public:
    static constexpr std::size_t kBufferSize = 64 * 1024;

    // The writer keeps its own copy of path.
    explicit CutFileWriter(std::string path) noexcept;
    ~CutFileWriter();  // closes a file the trailer did not close
    CutFileWriter(const CutFileWriter&) = delete;
    CutFileWriter& operator=(const CutFileWriter&) = delete;

    // Creates the file, or truncates it to empty, and writes the lines before the paths; the crop-mark comment
    // only when the document has crop marks.
    void WriteCutFileHeader(bool cropMarks) noexcept;
    // One path object, every coordinate moved by offset. A path the host cannot give whole (its segments, the
    // block for them, its closed flag) makes the file incomplete.
    void WriteArtPath(PDArtHandle art, PDRealPoint offset) noexcept;
    // One path block from count segments (a closed path with its first segment repeated at the end); art is
    // asked only for the perforation tag. A coordinate that is not a finite number once moved would not read
    // back as a place to cut: nothing of the path is written and the file is incomplete.
    void WriteCutPath(int32_t count, PDArtHandle art, const PDPathSegment* segments, PDRealPoint offset,
                      bool closed) noexcept;
    // Writes the lines after the paths, closes the file and, when it is complete, starts the application.
    CutLaunch WriteCutFileTrailer() noexcept;
    // Appends the bytes of a NUL-terminated text.
    void WriteCutData(const char* text) noexcept;
    // Marks the file incomplete: something the target holds could not be read.
    void Fail() noexcept { fFailed = true; }

private:
    // Copies into the buffer when it has room, the common case, without a call.
    void WriteBytes(const char* bytes, std::size_t size) noexcept
    {
        if (fFile != platform::kInvalidFile && fBuffer && kBufferSize - fBuffered >= size) {
            std::memcpy(fBuffer.get() + fBuffered, bytes, size);
            fBuffered += size;
            return;
        }
        WriteBytesAtFull(bytes, size);
    }
    template <std::size_t N>
    void WriteLiteral(const char (&text)[N]) noexcept
    {
        WriteBytes(text, N - 1);
    }
    void WriteBytesAtFull(const char* bytes, std::size_t size) noexcept;
    void WriteLine(CutLine& line) noexcept;
    // Makes a line with fill(line) and writes it; in place in the buffer when the buffer has room for the
    // longest line.
    template <typename Fill>
    void PutLine(Fill&& fill) noexcept;
    void Flush() noexcept;
    void Close() noexcept;

    const std::string fPath;
    platform::FileHandle fFile = platform::kInvalidFile;
    std::unique_ptr<char[]> fBuffer;  // null when it could not be allocated: bytes are then written at once
    std::size_t fBuffered = 0;
    bool fFailed = false;
};

#endif
