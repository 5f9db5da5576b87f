// A LandXML file's alignment as the job's road, with its profile: the
// page has read the file and decoded its bytes by the declared encoding
// (UTF-8, GB2312, GBK, GB18030), so the text comes as UTF-8 whatever the
// declaration says. Refused with the desktop's words naming the file and
// the element; a profile the file gets wrong is refused on its own and the
// road still comes in, as on the desktop.

#include "file_texts.h"
#include "landxml_reading.h"
#include "landxml_texts.h"
#include "xml_source.h"
#include "web_ops.h"

namespace capset::web {
namespace {

// The text is UTF-8 already: any declared encoding passes it through.
class AlreadyUtf8 : public xml::Transcoder {
 public:
  bool Feed(std::string_view bytes, bool /*last*/, std::string& utf8) override {
    utf8.append(bytes);
    return true;
  }
};

class TextLandXml : public LandXmlReading {
 public:
  explicit TextLandXml(const std::string& text) : text_(text) {}
  // Only read here: the page asks for no LandXML file to be written.
  std::string Write(const Road& /*road*/, const std::vector<RoadFilePvi>& /*profile*/) const override { return {}; }

 protected:
  std::variant<LandXmlFile, LandXmlProblem> ReadPath(const std::string& /*path*/) const override {
    xml::TextSource source(text_);
    return ReadLandXml(source, [](const std::string&) { return std::make_unique<AlreadyUtf8>(); });
  }

 private:
  const std::string& text_;
};

Json RoadLandXml(WebState& state, const Args& args) {
  const std::string name = FileNameOf(args.Text("name"));
  const std::string text = args.Text("text");
  const std::optional<std::string> alignment = args.OptionalText("alignment");
  TextLandXml format(text);
  state.prompt.Agree(kDiscardAnswer);
  const std::optional<std::string> imported = state.files.ImportRoad(name, alignment, format, {});
  state.prompt.Agree(std::nullopt);
  if (!imported) {
    state.RefuseIfReported();
    RefuseWhole(LandXmlRefusedMessage(name, {LandXmlFault::kNoAlignment}));
  }
  // The road came in; what was refused of the file besides (its profile)
  // is told with the notices.
  for (const std::string& error : state.reporter.errors) state.reporter.notices.push_back(error);
  Json answer{{"road", RoadSummary(state)},
              {"alignment", *imported},
              {"profileSet", state.files.ImportedProfile().has_value()}};
  answer["profileLines"] = ProfileLinesJson(state);
  answer["heightsProblem"] = HeightsProblemJson(state);
  return answer;
}

}  // namespace

void AddLandXmlOps(OpTable& ops) { ops["road.landxml"] = RoadLandXml; }

}  // namespace capset::web
