#include "CommandData.h"

namespace talvex {

const char* CommandFileName(CommandFileKind kind)
{
    switch (kind) {
    case CommandFileKind::kPlain: return "tmp.txt";
    case CommandFileKind::kPro: return "tmp_pro.txt";
    case CommandFileKind::kTurned: return "tmp_km.txt";
    }
    return "";
}

bool IsClosed(const PlotPath& path)
{
    const auto& points = path.fPoints;
    return points.size() > 2 && points.front().fX == points.back().fX && points.front().fY == points.back().fY;
}

std::size_t PointCount(const CommandFile& file)
{
    std::size_t count = 0;
    for (const PlotPath& path : file.fPaths) {
        count += path.fPoints.size();
    }
    return count;
}

}  // namespace talvex
