// The worked jobs through Start and Compute behind the scripted seam.
#include <gtest/gtest.h>

#include "dialogue_run.h"
#include "worked_cases.h"

namespace capset::testing {
namespace {

class WorkedCaseInDialogue : public ::testing::TestWithParam<WorkedCase> {};

TEST_P(WorkedCaseInDialogue, ShowsExactlyItsTexts) {
  const DialogueRun run = RunDialogue(GetParam().script);
  EXPECT_TRUE(run.Events("MESSAGE").empty());
  for (const auto& [box, text] : GetParam().boxes) EXPECT_EQ(run.Box(box), text) << "Text" << box;
}

INSTANTIATE_TEST_SUITE_P(Cases, WorkedCaseInDialogue, ::testing::ValuesIn(WorkedCases()), WorkedCaseName);

}  // namespace
}  // namespace capset::testing
