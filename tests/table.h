#pragma once
// Table tests: one named row a case, each row its own test, so one bad row
// does not hide the rest. A row's `name` is its test name (letters, digits
// and underscores).

#include <gtest/gtest.h>

#include <string>

namespace capset::testing {

template <typename Row>
std::string RowName(const ::testing::TestParamInfo<Row>& info) {
  return info.param.name;
}

}  // namespace capset::testing
