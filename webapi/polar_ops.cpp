// The instrument station and the backsight: a bridge point by its name
// ("3-Z1", its coordinates as solved now), or typed fields read as the
// station dialog reads them; refused with the dialog's reason, and then
// the station and the backsight stay as they were.

#include "polar_input.h"
#include "web_ops.h"

namespace capset::web {
namespace {

Json PolarStation(WebState& state, const Args& args) {
  StationFields fields;
  if (const std::optional<std::string> point = args.OptionalText("point")) {
    fields.name = *point;
  } else {
    fields.name = args.Text("name");
    fields.X = args.Typed("x");
    fields.Y = args.Typed("y");
    fields.H = args.OptionalTyped("h").value_or("");
    fields.HI = args.OptionalTyped("hi").value_or("");
  }
  auto read = ReadStationFields(fields, state.reader.Symbols(), state.session);
  if (const auto* why = std::get_if<std::string>(&read)) RefuseWhole(*why);
  if (const auto why = state.session.SetStation(std::get<InstrumentStation>(read))) RefuseWhole(*why);
  return PolarJson(state);
}

Json PolarBacksight(WebState& state, const Args& args) {
  BacksightFields fields;
  if (const std::optional<std::string> azimuth = args.OptionalTyped("azimuth")) {
    fields.azimuth = *azimuth;
  } else if (const std::optional<std::string> point = args.OptionalText("point")) {
    fields.name = *point;
  } else {
    fields.name = args.OptionalText("name").value_or("");
    fields.X = args.Typed("x");
    fields.Y = args.Typed("y");
  }
  auto read = ReadBacksightFields(fields, state.reader.Symbols(), state.session);
  if (const auto* why = std::get_if<std::string>(&read)) RefuseWhole(*why);
  if (const auto why = state.session.SetBacksight(std::get<Backsight>(read))) RefuseWhole(*why);
  return PolarJson(state);
}

Json PolarClear(WebState& state, const Args&) {
  state.session.ReplacePolar(std::nullopt, std::nullopt);
  return PolarJson(state);
}

}  // namespace

void AddPolarOps(OpTable& ops) {
  ops["polar.station"] = PolarStation;
  ops["polar.backsight"] = PolarBacksight;
  ops["polar.clear"] = PolarClear;
}

}  // namespace capset::web
