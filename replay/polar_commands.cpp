// Polar set-out data: @station NAME X Y [H HI] (or a bridge point's name
// alone), @backsight NAME X Y (or a bridge point's name alone),
// @backsight azimuth D.MMSS, and @polar [BRIDGE]. Answers are
// tab-separated with "." whatever the locale: angles packed D.MMSSs, to a
// tenth of a second as a total station's keypad takes them; distances and
// dH in metres to 3 decimals, the millimetre a crew stakes to.

#include <memory>

#include "blanks.h"
#include "bridge_texts.h"
#include "number_text.h"
#include "packed_dms_text.h"
#include "polar_input.h"
#include "polar_texts.h"
#include "script.h"
#include "script_commands.h"

namespace capset {
namespace {

constexpr char kStationCommand[] = "@station";
constexpr char kBacksightCommand[] = "@backsight";
constexpr char kPolarCommand[] = "@polar";
constexpr char kAzimuthWord[] = "azimuth";
constexpr char kBacksightTag[] = "BACKSIGHT";
constexpr char kPolarTag[] = "POLAR";

std::string Millimetres(double metres) { return FixedText(metres, 3); }

class PolarCommands {
 public:
  explicit PolarCommands(ScriptContext& context) : context_(context) {}

  void Station(const std::string& argument) {
    const std::string line = Line(kStationCommand, argument);
    const std::vector<std::string> w = Words(argument);
    if (w.size() != 1 && w.size() != 3 && w.size() != 5) return Message(PolarLineMessage(line, kStationUsage));
    StationFields fields{w[0], "", "", "", ""};
    if (w.size() >= 3) fields.X = w[1], fields.Y = w[2];
    if (w.size() == 5) fields.H = w[3], fields.HI = w[4];
    auto read = ReadStationFields(fields, context_.reader.Symbols(), context_.session);
    if (auto* why = std::get_if<std::string>(&read)) return Message(PolarLineMessage(line, *why));
    if (auto why = context_.session.SetStation(std::get<InstrumentStation>(read))) {
      Message(PolarLineMessage(line, *why));
    }
  }

  void BacksightLine(const std::string& argument) {
    const std::string line = Line(kBacksightCommand, argument);
    const std::vector<std::string> w = Words(argument);
    BacksightFields fields;
    if (w.size() == 2 && w[0] == kAzimuthWord) {
      fields.azimuth = w[1];
    } else if (w.size() == 1 || w.size() == 3) {
      fields.name = w[0];
      if (w.size() == 3) fields.X = w[1], fields.Y = w[2];
    } else {
      return Message(PolarLineMessage(line, kBacksightUsage));
    }
    auto read = ReadBacksightFields(fields, context_.reader.Symbols(), context_.session);
    if (auto* why = std::get_if<std::string>(&read)) return Message(PolarLineMessage(line, *why));
    if (auto why = context_.session.SetBacksight(std::get<Backsight>(read))) Message(PolarLineMessage(line, *why));
  }

  void Polar(const std::string& argument) {
    const std::string line = Line(kPolarCommand, argument);
    if (Words(argument).size() > 1) return Message(PolarLineMessage(line, kPolarUsage));
    CapSession& session = context_.session;
    if (!session.Station()) return Message(PolarLineMessage(line, kNoStation));
    if (!session.StationBacksight()) return Message(PolarLineMessage(line, kNoBacksight));
    const InstrumentStation& station = *session.Station();
    const Backsight& backsight = *session.StationBacksight();
    const std::optional<BacksightReading> b = ReadBacksight(station, backsight);
    // The session refuses a backsight on the station; a job file too.
    if (!b) return Message(PolarLineMessage(line, BacksightOnStationText(backsight.name, station.name)));
    const auto list = session.PolarPoints(argument);
    if (!list) return Message(PolarLineMessage(line, NoSuchBridgeText(argument)));
    const bool bridges = !argument.empty() || !session.Bridges().empty();
    if (bridges && session.WorkingRoad() == nullptr) return Message(PolarLineMessage(line, session.NoRoadText()));

    std::ostream& out = context_.out;
    out << kBacksightTag << '\t' << (backsight.point ? backsight.name : kAzimuthWord) << '\t'
        << PackedAzimuthTenths(b->azimuth) << '\t' << (b->distance ? Millimetres(*b->distance) : "-") << '\n';
    for (const auto& [bridge, bent] : list->unsolved) Notice(BentWithoutPolarText(bridge, bent));
    if (list->points.empty()) Notice(kNoPolarPoints);
    // dH is given when the station has a height: "-" for a point without one.
    const bool heights = station.height.has_value();
    for (const PolarRow& row : PolarRows(station, b->azimuth, list->points)) {
      const PolarReading& r = row.reading;
      out << kPolarTag << '\t' << row.point.name << '\t' << (r.azimuth ? PackedAzimuthTenths(*r.azimuth) : "-") << '\t'
          << Millimetres(r.distance) << '\t' << (r.turn ? PackedAzimuthTenths(*r.turn) : "-");
      if (heights) out << '\t' << (r.heightDiff ? Millimetres(*r.heightDiff) : "-");
      out << '\n';
      if (!r.azimuth) Notice(PointOnStationText(row.point.name));
    }
    out << std::flush;
  }

 private:
  static std::string Line(const char* command, const std::string& argument) {
    return argument.empty() ? command : std::string(command) + " " + argument;
  }
  void Message(const std::string& text) { context_.out << "MESSAGE " << OneLine(text) << '\n' << std::flush; }
  void Notice(const std::string& text) { context_.out << "NOTICE " << OneLine(text) << '\n'; }

  ScriptContext& context_;
};

}  // namespace

void AddPolarCommands(CommandTable& table, ScriptContext& context) {
  using enum CommandTable::Argument;
  auto polar = std::make_shared<PolarCommands>(context);
  table.Add(kStationCommand, kNone, [polar](const std::string& a, ScriptLines&) { polar->Station(a); });
  table.Add(kBacksightCommand, kNone, [polar](const std::string& a, ScriptLines&) { polar->BacksightLine(a); });
  table.Add(kPolarCommand, kNone, [polar](const std::string& a, ScriptLines&) { polar->Polar(a); });
}

}  // namespace capset
