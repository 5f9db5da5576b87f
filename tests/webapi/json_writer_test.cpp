// The JSON written as it goes reads exactly as the JSON library writes the
// same document: every byte, for strings of any characters (controls,
// quotes, Chinese, four-byte characters) and doubles of every size, so a
// table written by hand and the rest of an answer cannot drift apart.
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "json_writer.h"

namespace capset::web {
namespace {

using Ordered = nlohmann::ordered_json;

std::string LibraryText(const Ordered& document) { return document.dump(-1, ' ', false); }

TEST(JsonWriter, StringsAsTheLibraryWritesThem) {
  std::mt19937_64 random(28);
  const std::vector<std::string> pieces{"a", "\"", "\\", "\n", "\t", "\r", "\b", "\f", std::string(1, '\0'),
                                        "\x01", "\x1f", "\x7f", "/", "桥", "盖梁", "′″°", "\xF0\x9F\x98\x80", " "};
  for (int n = 0; n < 2000; ++n) {
    std::string text;
    const int count = static_cast<int>(random() % 12);
    for (int i = 0; i < count; ++i) text += pieces[random() % pieces.size()];
    std::string written;
    JsonWriter w(written);
    w.BeginObject();
    w.Field(text, text);
    w.EndObject();
    Ordered document = Ordered::object();
    document[text] = text;
    ASSERT_EQ(written, LibraryText(document)) << n;
  }
}

TEST(JsonWriter, NumbersAsTheLibraryWritesThem) {
  std::mt19937_64 random(29);
  std::vector<double> values{0.0, -0.0, 1.0, -1.0, 0.1, 1e21, 1e-7, 123456789012345678.0, 3400000.123456789,
                             std::numeric_limits<double>::max(), std::numeric_limits<double>::min(),
                             std::numeric_limits<double>::denorm_min(), 2261.6546875369227};
  for (int n = 0; n < 20000; ++n) {
    std::uint64_t bits = random();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    if (std::isfinite(value)) values.push_back(value);
    values.push_back(std::ldexp(static_cast<double>(random() % 100000000), static_cast<int>(random() % 80) - 40));
  }
  std::string written;
  JsonWriter w(written);
  w.BeginArray();
  Ordered document = Ordered::array();
  for (const double v : values) {
    w.Number(v);
    document.push_back(v);
  }
  w.EndArray();
  EXPECT_EQ(written, LibraryText(document));
}

// Nesting, empty containers, nulls and booleans: commas exactly where the
// library puts them; a number that is none is null, as in the library.
TEST(JsonWriter, StructureAsTheLibraryWritesIt) {
  std::string written;
  JsonWriter w(written);
  w.BeginObject();
  w.Key("a");
  w.BeginArray();
  w.BeginArray();
  w.EndArray();
  w.BeginObject();
  w.EndObject();
  w.Null();
  w.Bool(true);
  w.Number(std::nan(""));
  w.EndArray();
  w.Field("b", std::optional<double>());
  w.Field("c", std::optional<double>(2.5));
  w.Field("d", "x");
  w.EndObject();
  const Ordered document = Ordered::parse(R"({"a":[[],{},null,true,null],"b":null,"c":2.5,"d":"x"})");
  EXPECT_EQ(written, LibraryText(document));
}

}  // namespace
}  // namespace capset::web
