// The worked jobs through Start and Compute behind the scripted seam.
#include <gtest/gtest.h>

#include "scripted_seam.h"
#include "worked_cases.h"

namespace capset::testing {
namespace {

void ExpectBoxes(const WorkedCase& c) {
  ScriptedSession session(c.script);
  session.Play();
  EXPECT_TRUE(session.Events("MESSAGE").empty()) << c.name << ": " << session.Events("MESSAGE").front();
  for (const auto& [box, text] : c.boxes) EXPECT_EQ(session.boxes[box], text) << c.name << ", Text" << box;
}

TEST(WorkedCases, SquareCap) {
  for (const auto& c : SquareCapCases()) ExpectBoxes(c);
}

TEST(WorkedCases, SkewedCap) {
  for (const auto& c : SkewedCapCases()) ExpectBoxes(c);
}

}  // namespace
}  // namespace capset::testing
