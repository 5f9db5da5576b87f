#pragma once
// A LandXML text its caller has already decoded to UTF-8: a web page reads
// the file's bytes and decodes them by the declared encoding (GB2312, GBK,
// GB18030, as design offices in China write them) with the browser's own
// decoders. The declaration still names the file's encoding, so it is
// passed over here: whatever it names, the text is read as UTF-8, and bytes
// that are not UTF-8 are refused as in any other file.

#include <string>
#include <string_view>
#include <variant>

#include "landxml_core_format.h"

namespace capset {

std::variant<LandXmlFile, LandXmlProblem> ReadDecodedLandXml(std::string_view text);

// The session's road file format over one decoded text, whatever path it is
// asked to read (the page names the file for the messages); written as
// every build writes LandXML.
class DecodedLandXmlFormat : public LandXmlCoreFormat {
 public:
  explicit DecodedLandXmlFormat(std::string text, Clock clock = {})
      : LandXmlCoreFormat(std::move(clock)), text_(std::move(text)) {}

 protected:
  std::variant<LandXmlFile, LandXmlProblem> ReadPath(const std::string& /*path*/) const override {
    return ReadDecodedLandXml(text_);
  }

 private:
  std::string text_;
};

}  // namespace capset
