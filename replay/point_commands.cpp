// @points: every point of every log row, with its foot on the working road.

#include <cmath>
#include <cstdio>
#include <optional>

#include "export_formats.h"
#include "number_text.h"
#include "script.h"
#include "script_commands.h"

namespace capset {
namespace {

constexpr char kPointsCommand[] = "@points";
constexpr char kPointTag[] = "PT";

std::string Metres(double value) { return FixedText(value, 6); }

}  // namespace

void AddPointCommands(CommandTable& table, ScriptContext& context) {
  using enum CommandTable::Argument;
  table.Add(kPointsCommand, kNone, [&context](const std::string&, ScriptLines&) {
    const Road* road = context.session.WorkingRoad();
    // A job with a profile gives every point its height, as the row was
    // made with it; without one the lines read as they always have.
    const bool heights = context.session.ProfileSource().has_value();
    for (const CapRecord& record : context.session.Log().Records()) {
      const auto points = PointsOf(record);
      const auto pointHeights = PointHeightsOf(record);
      for (std::size_t i = 0; i < points.size(); ++i) {
        const auto& [name, point] = points[i];
        context.out << kPointTag << '\t' << record.number << '\t' << name << '\t' << Metres(point.X) << '\t'
                    << Metres(point.Y);
        // A point with no foot on the road (beyond an end, or at a centre
        // of curvature) has no station and offset to give.
        const std::optional<RoadFoot> foot = road != nullptr ? std::optional(road->Where(point)) : std::nullopt;
        if (foot && foot->status == WhereStatus::kOnRoad) {
          context.out << '\t' << Metres(foot->station.value) << (foot->station.occurrence == 2 ? "(2)" : "") << '\t'
                      << Metres(foot->offset);
        } else {
          context.out << "\t-\t-";
        }
        if (heights) context.out << '\t' << (pointHeights[i] ? Metres(*pointHeights[i]) : std::string("-"));
        context.out << '\n';
      }
    }
    context.out << std::flush;
  });
}

}  // namespace capset
