// Requests the interface cannot read are answered, never thrown: each is
// a "request" fault naming what is wrong, and the session goes on as it was.
#include <gtest/gtest.h>

#include <random>

#include "web_call.h"

namespace capset::testing {
namespace {

struct MalformedRow {
  const char* name;
  std::string request;
};

class WebMalformed : public ::testing::TestWithParam<MalformedRow> {};

std::string Nested(int depth) { return std::string(depth, '[') + std::string(depth, ']'); }

TEST_P(WebMalformed, IsARequestFaultAndChangesNothing) {
  WebSession web;
  const std::vector<std::string> road{"bp 0 0 0", "jd 500 100 300 40", "ep 900 0"};
  ASSERT_TRUE(Call(web, {{"op", "road.set"}, {"lines", road}})["ok"]);
  const Json before = Call(web, {{"op", "state"}});
  const Json answer = CallText(web, GetParam().request);
  EXPECT_FALSE(answer["ok"]);
  EXPECT_EQ(answer["fault"], "request") << answer.dump();
  ASSERT_EQ(answer["problems"].size(), 1u);
  EXPECT_EQ(answer["problems"][0]["line"], 0);
  EXPECT_FALSE(answer["problems"][0]["text"].get<std::string>().empty());
  EXPECT_TRUE(Call(web, {{"op", "state"}}) == before);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, WebMalformed,
    ::testing::Values(MalformedRow{"Empty", ""}, MalformedRow{"NotJson", "road.set bp 0 0 0"},
                      MalformedRow{"CutShort", R"({"op": "road.set", "lines": ["bp 0 0 0")"},
                      MalformedRow{"AnArray", R"(["road.set"])"}, MalformedRow{"AString", R"("state")"},
                      MalformedRow{"NoOp", R"({"lines": []})"}, MalformedRow{"OpANumber", R"({"op": 3})"},
                      MalformedRow{"UnknownOp", R"({"op": "road.delete"})"},
                      MalformedRow{"LinesMissing", R"({"op": "road.set"})"},
                      MalformedRow{"LinesAString", R"({"op": "road.set", "lines": "bp 0 0 0"})"},
                      MalformedRow{"LinesHoldANumber", R"({"op": "road.set", "lines": ["bp 0 0 0", 5]})"},
                      MalformedRow{"LinesHoldNull", R"({"op": "road.set", "lines": [null]})"},
                      MalformedRow{"NameANumber", R"({"op": "bridge.set", "name": 1, "lines": []})"},
                      MalformedRow{"BentAnObject", R"({"op": "bridge.points", "bridge": "B", "bent": {}})"},
                      MalformedRow{"JobTextMissing", R"({"op": "job.open"})"},
                      MalformedRow{"InvalidUtf8", "{\"op\": \"road.set\", \"lines\": [\"bp \xC0\xAF 0 0\"]}"},
                      MalformedRow{"LoneSurrogate", R"({"op": "road.set", "lines": ["\ud800"]})"},
                      MalformedRow{"NestedDeep", R"({"op": "state", "x": )" + Nested(100000) + "}"},
                      MalformedRow{"NestedJustTooDeep",
                                   R"({"op": "state", "x": )" + Nested(WebSession::kMostDepth + 1) + "}"},
                      MalformedRow{"TooBig", R"({"op": "road.set", "lines": [")" +
                                                 std::string(WebSession::kMostRequestBytes, 'x') + "\"]}"}),
    [](const auto& info) { return std::string(info.param.name); });

// Nesting up to the bound is read: an argument nobody reads is passed over.
TEST(WebRequests, NestingWithinTheBoundIsRead) {
  WebSession web;
  const Json answer = CallText(web, R"({"op": "about", "x": )" + Nested(WebSession::kMostDepth) + "}");
  EXPECT_TRUE(answer["ok"]) << answer.dump();
}

// Every answer is one line of JSON, an object with ok and notices.
TEST(WebRequests, AnswersAreOneLineObjects) {
  WebSession web;
  for (const char* request : {R"({"op": "about"})", R"({"op": "state"})", R"({"op": "templates.list"})",
                              R"({"op": "bridges.list"})", R"({"op": "job.save"})", "nonsense"}) {
    const std::string answer = web.Call(request);
    EXPECT_EQ(answer.find('\n'), std::string::npos) << request;
    const Json parsed = Json::parse(answer);
    ASSERT_TRUE(parsed.is_object());
    EXPECT_TRUE(parsed["ok"].is_boolean());
  }
}

// A job with nothing in it has nothing to save, and says so.
TEST(WebRequests, NothingToSave) {
  WebSession web;
  const Json answer = Call(web, {{"op", "job.save"}});
  EXPECT_FALSE(answer["ok"]);
  EXPECT_FALSE(answer.contains("fault"));
}

}  // namespace
}  // namespace capset::testing

namespace capset::testing {
namespace {

// Requests of every op with their arguments swapped for values of other
// types, or cut short anywhere: each answer is one JSON object with ok,
// and the session still answers a plain request after them.
TEST(WebRequests, MangledRequestsAreAnsweredNeverThrown) {
  const std::vector<std::string> ops{"about", "state", "road.set", "road.clear", "road.landxml", "road.at",
                                     "station.table", "profile.set", "profile.clear", "section.set",
                                     "templates.list", "template.set", "template.remove", "bridges.list",
                                     "bridge.set", "bridge.remove", "bridge.points", "bridge.plan", "polar.station",
                                     "polar.backsight", "polar.clear", "check.run", "job.save", "job.open", "export"};
  const std::vector<std::string> keys{"lines", "name", "text", "station", "offset", "from", "to", "step",
                                      "offsets", "bridge", "bent", "bents", "format", "point", "x", "y", "h",
                                      "hi", "azimuth", "tolerance", "fileName", "alignment"};
  const std::vector<Json> values{nullptr, true, 0, -1.5, 1e308, "", "x", "K0+100", "B1", "csv", "1-C",
                                 Json::array(), Json::array({"bent 1 100", "bent 2 130 dr 5"}),
                                 Json::array({"bp 0 0 0", "jd 500 100 300 40", "ep 900 0"}), Json::array({1, 2}),
                                 Json::object(), Json{{"a", 1}}, std::string(3000, 'x'), "\xe6\xa1\xa5"};
  std::mt19937 random(28);
  WebSession web;
  for (int n = 0; n < 3000; ++n) {
    Json request{{"op", ops[random() % ops.size()]}};
    const int count = static_cast<int>(random() % 5);
    for (int i = 0; i < count; ++i) request[keys[random() % keys.size()]] = values[random() % values.size()];
    std::string text = request.dump();
    if (random() % 5 == 0) text = text.substr(0, random() % (text.size() + 1));
    const std::string answer = web.Call(text);
    const Json parsed = Json::parse(answer, nullptr, false);
    ASSERT_FALSE(parsed.is_discarded()) << text << "\n" << answer;
    ASSERT_TRUE(parsed.is_object()) << text;
    ASSERT_TRUE(parsed["ok"].is_boolean()) << text;
    if (!parsed["ok"]) ASSERT_FALSE(parsed["problems"].empty()) << text << "\n" << answer;
  }
  EXPECT_TRUE(Call(web, {{"op", "about"}})["ok"]);
}

}  // namespace
}  // namespace capset::testing
