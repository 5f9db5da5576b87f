// Properties of whole jobs through the page, over random roads and
// bridges: every bent gives its centre, its edges and its template's
// points, each on the road; the design points measured exactly are each
// found on their own bent, 0 mm off; and the job saved and opened again
// gives the same points to the last bit.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "web_call.h"

namespace capset::testing {
namespace {

struct RandomJob {
  std::vector<std::string> road, bents;
  std::size_t expectedPoints = 0;
};

RandomJob MakeJob(std::mt19937_64& random) {
  std::uniform_real_distribution<double> unit(0, 1);
  const auto text = [](double v) { return FixedText(v, 3); };
  RandomJob job;
  double x = 3.4e6 + unit(random) * 1e4, y = 5e5 + unit(random) * 1e4, heading = unit(random) * 6.28;
  job.road.push_back("bp 10000 " + text(x) + " " + text(y));
  const int jds = 1 + static_cast<int>(random() % 3);
  for (int i = 0; i < jds; ++i) {
    x += 1200 * std::cos(heading), y += 1200 * std::sin(heading);
    heading += (random() % 2 ? 1 : -1) * (0.35 + unit(random) * 0.4);
    job.road.push_back("jd " + text(x) + " " + text(y) + " " + text(300 + unit(random) * 700) + " " +
                       text(40 + unit(random) * 60));
  }
  x += 1200 * std::cos(heading), y += 1200 * std::sin(heading);
  job.road.push_back("ep " + text(x) + " " + text(y));
  // Templates by their points besides C, L and R.
  const std::vector<std::pair<std::string, int>> templates{{"two-columns", 4}, {"three-columns", 6}, {"pile-cap-2x3", 11}, {"", 0}};
  const int bents = 2 + static_cast<int>(random() % 6);
  for (int i = 0; i < bents; ++i) {
    const auto& [name, points] = templates[random() % templates.size()];
    std::string line = "bent " + std::to_string(i) + " " + text(10300 + 32.5 * i) + " skew " +
                       std::to_string(60 + random() % 60) + " dr 6.5";
    if (!name.empty()) line += " template " + name;
    job.bents.push_back(line);
    job.expectedPoints += 3 + static_cast<std::size_t>(points);
  }
  return job;
}

TEST(WebProperties, RandomBridgesMeasuredExactlyCheckAtZero) {
  std::mt19937_64 random(28);
  int checked = 0;
  for (int n = 0; n < 30; ++n) {
    const RandomJob job = MakeJob(random);
    WebSession web;
    const Json road = Call(web, {{"op", "road.set"}, {"lines", job.road}});
    if (!road["ok"]) continue;  // curves that do not fit: refused, and nothing to check
    ++checked;
    const Json set = Call(web, {{"op", "bridge.set"}, {"name", "B"}, {"lines", job.bents}});
    ASSERT_TRUE(set["ok"]) << set.dump();
    const Json points = Call(web, {{"op", "bridge.points"}, {"bridge", "B"}});
    std::size_t count = 0;
    std::string measured;
    for (const Json& bent : points["bents"]) {
      for (const Json& p : bent["points"]) {
        ++count;
        EXPECT_FALSE(p["station"].is_null()) << p.dump();
        EXPECT_GE(p["station"].get<double>(), road["road"]["start"]["station"].get<double>());
        EXPECT_LE(p["station"].get<double>(), road["road"]["end"]["station"].get<double>());
        measured += p["name"].get<std::string>() + " " + FixedText(p["x"].get<double>(), 6) + " " +
                    FixedText(p["y"].get<double>(), 6) + "\n";
      }
    }
    EXPECT_EQ(count, job.expectedPoints) << n;
    const Json check = Call(web, {{"op", "check.run"}, {"text", measured}, {"tolerance", "1"}});
    ASSERT_TRUE(check["ok"]) << check.dump();
    ASSERT_EQ(check["rows"].size(), count);
    for (const Json& row : check["rows"]) {
      const std::string name = row["name"];
      const std::string bent = name.substr(0, name.find('-'));
      EXPECT_EQ(row["cap"], "B/" + bent) << row.dump();
      EXPECT_EQ(row["flag"], "ok") << row.dump();
      EXPECT_LE(row["distance"].get<double>(), 1e-6) << row.dump();
    }
    // Saved and opened again: the same points, to the last bit.
    const Json saved = Call(web, {{"op", "job.save"}});
    WebSession again;
    ASSERT_TRUE(Call(again, {{"op", "job.open"}, {"text", saved["text"]}})["ok"]);
    EXPECT_EQ(Call(again, {{"op", "bridge.points"}, {"bridge", "B"}})["bents"], points["bents"]);
  }
  EXPECT_GE(checked, 25);
}

}  // namespace
}  // namespace capset::testing
