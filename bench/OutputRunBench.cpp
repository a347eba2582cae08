// The output run of a large document through the loaded module, beside the floor: the same bytes formatted with
// std::to_chars into a 64 KiB buffer and written with as few system calls as that allows.
//
//   cmake --preset release -DMARKPLUG_BENCH=ON && cmake --build --preset release --target output_run_bench
//   build/release/bench/output_run_bench
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include "MarkplugHost.h"

namespace {

namespace fs = std::filesystem;

constexpr int kPaths = 20000;
constexpr int kSegmentsPerPath = 50;  // 1,000,000 segments in all

const fs::path& Folder()
{
    static const fs::path folder = [] {
        fs::path made = fs::temp_directory_path() / ("pendrake-bench-" + std::to_string(getpid()));
        fs::create_directories(made);
        setenv("TMPDIR", made.c_str(), 1);
        // No cutting application is registered: the run writes the file and tells the panel so.
        setenv("PENDRAKE_REGISTRY_HKCU", (made / "hkcu").c_str(), 1);
        setenv("PENDRAKE_REGISTRY_HKLM", (made / "hklm").c_str(), 1);
        return made;
    }();
    return folder;
}

void FillDocument(host::Host& host)
{
    auto document = std::make_unique<host::Document>(1190.55, 1683.78);
    document->SetOrigin({12.5, -30.25});
    document->AddLayer("Layer 1");
    for (int p = 0; p < kPaths; ++p) {
        host::Art* art = document->NewArt(host::ArtKind::Path, host::PaintOrder::AboveAll, nullptr);
        art->style.strokePaint = true;
        art->closed = (p % 2) == 0;
        art->segments.resize(kSegmentsPerPath);
        for (int s = 0; s < kSegmentsPerPath; ++s) {
            const double h = 10.0 + (p % 100) * 11.3 + s * 0.217;
            const double v = 20.0 + (p / 100) * 7.9 + s * 0.131;
            art->segments[s] = {{h, v}, {h - 0.5, v + 0.25}, {h + 0.5, v - 0.25}, s == 0};
        }
    }
    host.OpenDocument(std::move(document));
}

std::string CutDataFile()
{
    for (const auto& entry : fs::directory_iterator(Folder()))
        if (entry.path().filename().string().rfind("~TX", 0) == 0) return entry.path().string();
    return {};
}

// The peak resident size since the last ResetPeak (VmHWM), in megabytes.
double PeakMegabytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
    return 0;
}

// Starts a new peak from the present resident size, so that each benchmark reports its own.
void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

void Report(benchmark::State& state, std::uintmax_t bytes)
{
    state.counters["paths/s"] = benchmark::Counter(double(kPaths), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["MB/s"] = benchmark::Counter(double(bytes) / 1e6, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["file_MB"] = double(bytes) / 1e6;
    // Resident size at the run's peak: the document plus what the run itself needs.
    state.counters["peak_RSS_MB"] = PeakMegabytes();
}

// Starts the edition's markplug on the large document and times its output run of every path.
void TimeOutputRun(benchmark::State& state, const char* edition)
{
    testing_support::MarkplugHost markplug(edition);
    markplug.StartAndConnect();
    FillDocument(markplug.Host());
    state.counters["peak_before_run_MB"] = PeakMegabytes();
    ResetPeak();
    for (auto _ : state) {
        markplug.Click("<payload><operation>1</operation><Target>0</Target></payload>");
        markplug.Bus().ClearEvents();
    }
}

void OutputRun(benchmark::State& state)
{
    Folder();
    TimeOutputRun(state, "windows");
    Report(state, fs::file_size(CutDataFile()));
}

// The macOS feature set's output run on the same document: the paths flattened by the host and written as the
// three command files into ../Applications/Talvex/ of the current folder (no output application is installed
// there, so the panel is told it could not be opened).
void MacOutputRun(benchmark::State& state)
{
    const fs::path hostFolder = Folder() / "Pendrake";
    const fs::path applicationFolder = Folder() / "Applications" / "Talvex";
    fs::create_directories(hostFolder);
    fs::create_directories(applicationFolder);
    fs::current_path(hostFolder);
    TimeOutputRun(state, "macos");
    Report(state, fs::file_size(applicationFolder / "tmp.txt") + fs::file_size(applicationFolder / "tmp_pro.txt") +
                      fs::file_size(applicationFolder / "tmp_km.txt"));
}

// The floor: every number of the same file formatted with std::to_chars (fixed, six digits: the bytes of "%lf")
// into a 64 KiB buffer, written when full.
class FloorWriter {
public:
    explicit FloorWriter(const std::string& path) : fFile(open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644)) {}
    ~FloorWriter()
    {
        Flush();
        close(fFile);
    }
    void Text(const char* text)
    {
        for (; *text; ++text) Byte(*text);
    }
    void Number(double value)
    {
        if (sizeof fBuffer - fUsed < 400) Flush();
        fUsed =
            std::to_chars(fBuffer + fUsed, fBuffer + sizeof fBuffer, value, std::chars_format::fixed, 6).ptr - fBuffer;
        Byte(' ');
    }
    void Line(const char* text)
    {
        Text(text);
        Text("\r\n");
    }

private:
    void Byte(char c)
    {
        if (fUsed == sizeof fBuffer) Flush();
        fBuffer[fUsed++] = c;
    }
    void Flush()
    {
        if (fUsed && write(fFile, fBuffer, fUsed) < 0) std::abort();
        fUsed = 0;
    }
    int fFile;
    char fBuffer[64 * 1024];
    std::size_t fUsed = 0;
};

void Floor(benchmark::State& state)
{
    Folder();
    testing_support::MarkplugHost markplug("windows");
    FillDocument(markplug.Host());
    const host::Document& document = *markplug.Host().CurrentDocument();
    const auto all = document.AllArt();
    const std::string path = (Folder() / "floor.txt").string();
    const double dx = document.Origin().h, dy = document.Origin().v;
    state.counters["peak_before_run_MB"] = PeakMegabytes();
    ResetPeak();
    for (auto _ : state) {
        FloorWriter out(path);
        out.Line("%!PS-Adobe-3.0");
        for (const char* line :
             {"%%EndComments", "%%BeginProlog", "%%EndProlog", "%%BeginSetup", "%%EndSetup", "%PD5_BeginLayer"})
            out.Line(line);
        for (const host::Art* art : all) {
            out.Line("u");
            const auto& s = art->segments;
            const std::size_t n = s.size() + (art->closed ? 1 : 0);
            for (std::size_t k = 0; k < n; ++k) {
                const host::Segment& here = s[k % s.size()];
                if (k == 0) {
                    out.Number(here.p.h + dx);
                    out.Number(here.p.v + dy);
                    out.Line("m");
                    continue;
                }
                const host::Segment& previous = s[k - 1];
                out.Number(previous.out.h + dx);
                out.Number(previous.out.v + dy);
                out.Number(here.in.h + dx);
                out.Number(here.in.v + dy);
                out.Number(here.p.h + dx);
                out.Number(here.p.v + dy);
                out.Line("c");
            }
            out.Line(art->closed ? "s" : "S");
            out.Line("U");
        }
        for (const char* line : {"%PD5_EndLayer--", "%%PageTrailer", "%%Trailer", "%%EOF"}) out.Line(line);
    }
    Report(state, fs::file_size(path));
}

BENCHMARK(OutputRun)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(Floor)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(MacOutputRun)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
