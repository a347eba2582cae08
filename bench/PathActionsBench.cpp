// The host's path actions on large paths: outline strokes and offset on 10,000 segments (a zig-zag polyline and
// a path of curves), three offsets of a circle in a row, and the outline of a rectangle united with a polyline.
// The counter "segments" is the number of segments the action's result holds.
//
//   cmake --preset release -DMARKPLUG_BENCH=ON && cmake --build --preset release --target path_actions_bench
//   build/release/bench/path_actions_bench
#include <cmath>
#include <memory>
#include <vector>

#include <benchmark/benchmark.h>

#include "HostActions.h"
#include "pendrake/PDActionManager.h"
#include "pendrake/PDPathStyle.h"

namespace {

constexpr int kSegments = 10000;
constexpr double kKappa = 0.5522847498;  // a quarter circle's handles over its radius

std::unique_ptr<host::Document> NewDocument() { return std::make_unique<host::Document>(10000, 10000); }

host::Art* AddPath(host::Document& document, std::vector<host::Segment> segments, bool closed)
{
    host::Art* art = document.NewArt(host::ArtKind::Path, host::PaintOrder::AboveAll, nullptr);
    art->segments = std::move(segments);
    art->closed = closed;
    art->attributes = host::kAttrSelected;
    art->style.fillPaint = false;
    art->style.strokePaint = true;
    art->style.strokeWidth = 2;
    return art;
}

host::Segment Corner(double h, double v) { return {{h, v}, {h, v}, {h, v}, true}; }

std::vector<host::Segment> ZigZag()
{
    std::vector<host::Segment> segments;
    for (int i = 0; i <= kSegments; ++i) segments.push_back(Corner(i * 3.0, (i % 2) * 20.0));
    return segments;
}

// Half circles of radius 5 up and down in turn, each one cubic.
std::vector<host::Segment> Waves()
{
    std::vector<host::Segment> segments;
    for (int i = 0; i <= kSegments; ++i) {
        const double h = i * 10.0, lift = (i % 2 ? -1 : 1) * 5 * 4.0 / 3;
        segments.push_back({{h, 0}, {h, -lift}, {h, lift}, false});
    }
    return segments;
}

std::vector<host::Segment> Circle(double radius)
{
    const double k = radius * kKappa;
    return {{{radius, 0}, {radius, -k}, {radius, k}, false},
            {{0, radius}, {k, radius}, {-k, radius}, false},
            {{-radius, 0}, {-radius, k}, {-radius, -k}, false},
            {{0, -radius}, {-k, -radius}, {k, -radius}, false}};
}

std::size_t SegmentsOf(const host::Art& art)
{
    std::size_t count = art.segments.size();
    for (const auto& child : art.children) count += SegmentsOf(*child);
    return count;
}

std::size_t SelectedSegments(const host::Document& document)
{
    std::size_t count = 0;
    for (const auto& art : document.Layers()[0]->art)
        if (art->attributes & host::kAttrSelected) count += SegmentsOf(*art);
    return count;
}

std::vector<host::ActionEntry> OffsetBy(double distance)
{
    return {{kPDOffsetPathOffsetKey, kPDActionTypeUnitReal, 0, distance, kPDUnitPixels, {}}};
}

// Selects only what the last action made, so that the next one works on it.
void SelectOnlyLast(host::Document& document)
{
    auto& art = document.Layers()[0]->art;
    for (auto& each : art) each->attributes &= ~host::kAttrSelected;
    art.back()->attributes |= host::kAttrSelected;
}

void Run(benchmark::State& state, std::vector<host::Segment> (*make)(), bool offset)
{
    std::size_t segments = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto document = NewDocument();
        AddPath(*document, make(), false);
        state.ResumeTiming();
        const ZBErr error =
            offset ? host::OffsetPathAction(*document, OffsetBy(3)) : host::OutlineStrokeAction(*document, {});
        if (error) state.SkipWithError("the action failed");
        segments = SelectedSegments(*document);
    }
    state.counters["segments"] = static_cast<double>(segments);
}

void OutlineZigZag(benchmark::State& state) { Run(state, ZigZag, false); }
void OffsetZigZag(benchmark::State& state) { Run(state, ZigZag, true); }
void OutlineCurves(benchmark::State& state) { Run(state, Waves, false); }
void OffsetCurves(benchmark::State& state) { Run(state, Waves, true); }

void ThreeOffsetsOfACircle(benchmark::State& state)
{
    std::size_t after[3] = {};
    for (auto _ : state) {
        state.PauseTiming();
        auto document = NewDocument();
        AddPath(*document, Circle(50), true)->style.fillPaint = true;
        state.ResumeTiming();
        for (std::size_t& count : after) {
            if (host::OffsetPathAction(*document, OffsetBy(10))) state.SkipWithError("the action failed");
            SelectOnlyLast(*document);
            count = SelectedSegments(*document);
        }
    }
    state.counters["segments1"] = static_cast<double>(after[0]);
    state.counters["segments2"] = static_cast<double>(after[1]);
    state.counters["segments3"] = static_cast<double>(after[2]);
}

void OutlineOfAUnion(benchmark::State& state)
{
    std::size_t segments = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto document = NewDocument();
        host::Art* rectangle =
            AddPath(*document, {Corner(0, 0), Corner(400, 0), Corner(400, 300), Corner(0, 300)}, true);
        rectangle->style.fillPaint = true;
        AddPath(*document, {Corner(-50, 150), Corner(200, 350), Corner(350, -50), Corner(450, 200)}, false);
        state.ResumeTiming();
        if (host::UniteAction(*document, {}) || host::OutlineStrokeAction(*document, {}))
            state.SkipWithError("the action failed");
        segments = SelectedSegments(*document);
    }
    state.counters["segments"] = static_cast<double>(segments);
}

}  // namespace

BENCHMARK(OutlineZigZag)->Unit(benchmark::kMillisecond);
BENCHMARK(OffsetZigZag)->Unit(benchmark::kMillisecond);
BENCHMARK(OutlineCurves)->Unit(benchmark::kMillisecond);
BENCHMARK(OffsetCurves)->Unit(benchmark::kMillisecond);
BENCHMARK(ThreeOffsetsOfACircle)->Unit(benchmark::kMillisecond);
BENCHMARK(OutlineOfAUnion)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
