#pragma once
// LandXML for a script played without a window: read from the files the
// script keeps in memory (memory_file_store.h), with the rules every build
// reads by, and written as every build writes it, so @landxml and
// @export landxml print and write what the desktop does.

#include "landxml_core_format.h"
#include "memory_file_store.h"
#include "xml_source.h"

namespace capset {

class MemoryLandXmlFormat : public LandXmlCoreFormat {
 public:
  MemoryLandXmlFormat(MemoryFileStore& store, Clock clock) : LandXmlCoreFormat(std::move(clock)), store_(store) {}

 protected:
  std::variant<LandXmlFile, LandXmlProblem> ReadPath(const std::string& path) const override {
    const auto file = store_.files.find(path);
    if (file == store_.files.end()) {
      // The store's own words for a file that is not there.
      const auto missing = store_.Read(path, 0);
      const auto* failure = std::get_if<FileFailure>(&missing);
      return LandXmlProblem{LandXmlFault::kUnreadable, "", 0, {}, failure != nullptr ? failure->reason : std::string()};
    }
    xml::TextSource source(file->second);
    return ReadLandXml(source);
  }

 private:
  MemoryFileStore& store_;
};

}  // namespace capset
