#include "landxml_decoded.h"

#include "xml_source.h"

namespace capset {
namespace {

// Hands the text on as it is: it is UTF-8 whatever the declaration says.
class AlreadyUtf8 : public xml::Transcoder {
 public:
  bool Feed(std::string_view bytes, bool /*last*/, std::string& utf8) override {
    utf8.append(bytes);
    return true;
  }
};

}  // namespace

std::variant<LandXmlFile, LandXmlProblem> ReadDecodedLandXml(std::string_view text) {
  xml::TextSource source(text);
  return ReadLandXml(source, [](const std::string&) { return std::make_unique<AlreadyUtf8>(); });
}

}  // namespace capset
