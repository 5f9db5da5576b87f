// The job file through the page: the text job.save gives is the desktop's
// file, byte for byte, and opening it in a fresh session gives back the
// same job, the same state and, saved again, the same text.
#include <gtest/gtest.h>

#include "dialogue_run.h"
#include "web_call.h"

namespace capset::testing {
namespace {

struct JobRow {
  const char* name;
  std::vector<std::string> road;
  std::vector<std::string> templateLines;  // the template "piers", when given
  std::vector<std::string> bents;          // the bridge "B1", when given
};

class WebJob : public ::testing::TestWithParam<JobRow> {};

TEST_P(WebJob, SavedAsTheDesktopSavesAndOpenedAgain) {
  const JobRow& row = GetParam();
  WebSession web;
  std::string script;
  if (!row.road.empty()) {
    ASSERT_TRUE(Call(web, {{"op", "road.set"}, {"lines", row.road}})["ok"]);
    script += Block("@road", row.road);
  }
  if (!row.templateLines.empty()) {
    ASSERT_TRUE(Call(web, {{"op", "template.set"}, {"name", "piers"}, {"lines", row.templateLines}})["ok"]);
    script += Block("@template piers", row.templateLines);
  }
  if (!row.bents.empty()) {
    ASSERT_TRUE(Call(web, {{"op", "bridge.set"}, {"name", "B1"}, {"lines", row.bents}})["ok"]);
    script += Block("@bridge B1", row.bents);
  }
  const Json saved = Call(web, {{"op", "job.save"}, {"fileName", "bridge.capjob"}});
  ASSERT_TRUE(saved["ok"]) << saved.dump();
  EXPECT_EQ(saved["fileName"], "bridge.capjob");
  const DialogueRun desktop = RunDialogue(script + "@save bridge.capjob\n");
  ASSERT_TRUE(desktop.files.contains("bridge.capjob"));
  EXPECT_EQ(saved["text"], desktop.files.at("bridge.capjob"));
  EXPECT_FALSE(Call(web, {{"op", "state"}})["modified"]);
  // The text kept on the device is the same file, and keeping it saves nothing.
  ASSERT_TRUE(Call(web, {{"op", "template.set"}, {"name", "later"}, {"lines", Lines({"point A 0 0"})}})["ok"]);
  const Json kept = Call(web, {{"op", "job.text"}});
  EXPECT_TRUE(Call(web, {{"op", "state"}})["modified"]);
  EXPECT_EQ(Call(web, {{"op", "job.save"}, {"fileName", "bridge.capjob"}})["text"], kept["text"]);
  ASSERT_TRUE(Call(web, {{"op", "template.remove"}, {"name", "later"}})["ok"]);
  Call(web, {{"op", "job.save"}, {"fileName", "bridge.capjob"}});

  WebSession fresh;
  const Json opened = Call(fresh, {{"op", "job.open"}, {"text", saved["text"]}, {"fileName", "bridge.capjob"}});
  ASSERT_TRUE(opened["ok"]) << opened.dump();
  EXPECT_FALSE(opened["modified"]);
  Json state = Call(web, {{"op", "state"}});
  state.erase("notices");
  state["ok"] = true;
  Json compared = opened;
  compared.erase("notices");
  // The road typed comes back as lines written from the file's numbers:
  // other words, the same road.
  const Json openedLines = compared["road"].is_null() ? Json() : compared["road"]["lines"];
  if (!compared["road"].is_null()) {
    compared["road"].erase("lines");
    state["road"].erase("lines");
  }
  EXPECT_TRUE(compared == state);
  if (!openedLines.is_null()) {
    WebSession again;
    ASSERT_TRUE(Call(again, {{"op", "road.set"}, {"lines", openedLines}})["ok"]);
    WebSession roadOnly;
    Call(roadOnly, {{"op", "road.set"}, {"lines", row.road}});
    EXPECT_EQ(Call(again, {{"op", "job.save"}})["text"], Call(roadOnly, {{"op", "job.save"}})["text"]);
  }
  // The bridge typed comes back as typed; opened, as lines written from the
  // file, which read into the same bents (the job saved again is the same).
  const Json typedBridges = Call(web, {{"op", "bridges.list"}})["bridges"];
  const Json openedBridges = Call(fresh, {{"op", "bridges.list"}})["bridges"];
  ASSERT_EQ(typedBridges.size(), openedBridges.size());
  if (!row.bents.empty()) EXPECT_EQ(typedBridges[0]["lines"], row.bents);
  for (std::size_t i = 0; i < typedBridges.size(); ++i) {
    EXPECT_EQ(openedBridges[i]["lines"].size(), typedBridges[i]["lines"].size());
    const Json again = Call(fresh, {{"op", "bridge.set"}, {"name", openedBridges[i]["name"]}, {"lines", openedBridges[i]["lines"]}});
    EXPECT_TRUE(again["ok"]) << again.dump();
  }
  EXPECT_EQ(Call(fresh, {{"op", "job.save"}})["text"], saved["text"]);
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, WebJob,
    ::testing::Values(
        JobRow{"RoadAlone", Lines({"bp K0+000 1000 1000", "jd 1500 1500 300 60", "ep 1300 3000"}), {}, {}},
        JobRow{"ElementsWithEquation", Lines({"start 1000 0 0 30.1530", "line 200", "equation 1150 1100", "arc 90 250 left"}), {}, {}},
        JobRow{"BridgeWithTemplate", Lines({"bp 0 3400000 500000", "jd 3400900 500400 700 100", "ep 3401600 500200"}),
               Lines({"copy three-columns", "corners T 12 2.4 0.5"}),
               Lines({"bent 1 K0+500 dr 6.25 template piers", "bent 2 K0+530 skew 80.1530 axis parallel K0+500 dr 6 7",
                      "bent 3 K0+560 depth 2"})},
        JobRow{"BridgeBeforeAnyRoad", {}, {}, Lines({"bent 1 100", "bent 2 130 dr 5"})}),
    [](const auto& info) { return std::string(info.param.name); });

// Opening a job replaces what the session held, without a question: the
// page asked its user first.
TEST(WebJobOpen, ReplacesUnsavedWork) {
  WebSession a;
  Call(a, {{"op", "road.set"}, {"lines", Lines({"bp 0 0 0", "jd 500 100 300 40", "ep 900 0"})}});
  const Json saved = Call(a, {{"op", "job.save"}});
  WebSession b;
  Call(b, {{"op", "bridge.set"}, {"name", "X"}, {"lines", Lines({"bent 1 100"})}});
  EXPECT_TRUE(Call(b, {{"op", "state"}})["modified"]);
  const Json opened = Call(b, {{"op", "job.open"}, {"text", saved["text"]}});
  ASSERT_TRUE(opened["ok"]) << opened.dump();
  EXPECT_EQ(opened["bridges"].size(), 0u);
  EXPECT_EQ(opened["road"]["lines"], Lines({"bp 0 0 0", "jd 500 100 300 40", "ep 900 0"}));
}

// A refused file leaves the page's job as it was, and says so of the page:
// the user has no window to look at.
struct RefusedJobRow {
  const char* name;
  const char* text;
};

class WebJobRefused : public ::testing::TestWithParam<RefusedJobRow> {};

TEST_P(WebJobRefused, SaysThePagesJobIsUnchanged) {
  WebSession web;
  ASSERT_TRUE(Call(web, {{"op", "bridge.set"}, {"name", "X"}, {"lines", Lines({"bent 1 100"})}})["ok"]);
  const Json answer = Call(web, {{"op", "job.open"}, {"text", GetParam().text}, {"fileName", "a.capjob"}});
  ASSERT_FALSE(answer["ok"]);
  const std::string text = answer["problems"][0]["text"];
  EXPECT_TRUE(text.ends_with("\n页面中的作业没有改变。")) << text;
  EXPECT_EQ(text.find("窗口"), std::string::npos) << text;
  EXPECT_EQ(Call(web, {{"op", "state"}})["bridges"], Json::parse(R"(["X"])"));
}

INSTANTIATE_TEST_SUITE_P(
    Files, WebJobRefused,
    ::testing::Values(RefusedJobRow{"NotJson", "{\"format\": \"capset-job\",\n"},
                      RefusedJobRow{"NotAJob", "{\"format\": \"other\"}\n"},
                      RefusedJobRow{"BadDecimal", "{\n  \"format\": \"capset-job\",\n  \"version\": 3,\n  \"decimal\": \";\"\n}\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace capset::testing
