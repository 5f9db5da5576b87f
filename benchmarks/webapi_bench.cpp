// A whole bridge through the page's interface: the same 100 bents × 30
// points on the road of 20 JDs as bridge_bench, set by JSON requests of
// their lines, and bridge.points asked for every bent (solved, made into
// texts and written as one JSON answer), with heights and without. What
// this adds to bridge_bench is the interface's own cost.
#include <benchmark/benchmark.h>

#include <nlohmann/json.hpp>

#include "hundred_bents.h"
#include "input_lines.h"
#include "jd_road.h"
#include "web_session.h"

namespace capset {
namespace {

using Json = nlohmann::json;

bool Ok(WebSession& web, const Json& request) { return Json::parse(web.Call(request.dump()))["ok"].get<bool>(); }

void BridgePoints(benchmark::State& state, bool heights) {
  WebSession web;
  if (!Ok(web, {{"op", "road.set"}, {"lines", RoadInputLines(bench::JdTable(20))}})) {
    return state.SkipWithError("the road was refused");
  }
  if (heights && !Ok(web, {{"op", "profile.set"},
                           {"lines", {"pvi 10000 120", "pvi 11500 131.5 12000", "pvi 13500 118 15000", "pvi 15000 126"}}})) {
    return state.SkipWithError("the profile was refused");
  }
  if (!Ok(web, {{"op", "template.set"}, {"name", "pier"}, {"lines", TemplateLines(bench::Pier())}})) {
    return state.SkipWithError("the template was refused");
  }
  if (!Ok(web, {{"op", "bridge.set"}, {"name", "B"}, {"lines", BridgeLines(bench::HundredBents())}})) {
    return state.SkipWithError("the bridge was refused");
  }
  const std::string request = Json{{"op", "bridge.points"}, {"bridge", "B"}}.dump();
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string answer = web.Call(request);
    bytes = answer.size();
    benchmark::DoNotOptimize(answer.data());
  }
  const Json answer = Json::parse(web.Call(request));
  std::size_t points = 0;
  for (const Json& bent : answer["bents"]) points += bent["points"].size();
  if (points != 3000) state.SkipWithError("not 3,000 points");
  state.counters["points"] = static_cast<double>(points);
  state.counters["answer_bytes"] = static_cast<double>(bytes);
}

void BM_WebBridgePoints(benchmark::State& state) { BridgePoints(state, false); }
void BM_WebBridgePointsWithHeights(benchmark::State& state) { BridgePoints(state, true); }
BENCHMARK(BM_WebBridgePoints)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WebBridgePointsWithHeights)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace capset

BENCHMARK_MAIN();
