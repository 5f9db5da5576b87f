// LandXML read without the toolkit: a file of terrain points around one
// road, streamed through the XML reader and the road file's rules, in
// bytes a second; and the same file through the toolkit's reader, for
// comparison.

#include <benchmark/benchmark.h>

#include <QXmlStreamReader>
#include <string>

#include "landxml_file.h"
#include "xml_source.h"

namespace capset {
namespace {

std::string TerrainFile(int megabytes) {
  std::string xml = "<?xml version=\"1.0\"?>\n<LandXML version=\"1.2\">\n<Surfaces><Surface><Definition><Pnts>\n";
  for (long long id = 1; static_cast<long long>(xml.size()) < (static_cast<long long>(megabytes) << 20); ++id) {
    xml += "<P id=\"" + std::to_string(id) + "\">3400000.125 500000.25 101.5</P>\n";
  }
  return xml + "</Pnts></Definition></Surface></Surfaces><Alignments><Alignment name=\"a\"><CoordGeom>"
               "<Line><Start>1000 2000</Start><End>1100 2000</End></Line></CoordGeom></Alignment></Alignments></LandXML>\n";
}

void BM_ReadLandXmlTerrain(benchmark::State& state) {
  const std::string xml = TerrainFile(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    xml::TextSource source(xml);
    const auto read = ReadLandXml(source);
    if (!std::holds_alternative<LandXmlFile>(read)) state.SkipWithError("refused");
  }
  state.SetBytesProcessed(state.iterations() * static_cast<long long>(xml.size()));
}
BENCHMARK(BM_ReadLandXmlTerrain)->Arg(8)->Unit(benchmark::kMillisecond);

void BM_ToolkitReaderTerrain(benchmark::State& state) {
  const QByteArray xml = QByteArray::fromStdString(TerrainFile(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) reader.readNext();
    if (reader.hasError()) state.SkipWithError("refused");
  }
  state.SetBytesProcessed(state.iterations() * xml.size());
}
BENCHMARK(BM_ToolkitReaderTerrain)->Arg(8)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace capset

BENCHMARK_MAIN();
