// The LandXML rules without the toolkit (landxmlcore/), end to end: a file
// read by its path through the C library gives what the desktop's device
// reading gives, whatever the chunks; the encodings a file may declare;
// the reader's refusals as the user reads them.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <string>

#include "landxml_file.h"
#include "landxml_read.h"
#include "landxml_texts.h"
#include "table.h"
#include "xml_source.h"

namespace capset {
namespace {

// Everything a read file holds that a road and a profile are made of, as text.
std::string Summary(const std::variant<LandXmlFile, LandXmlProblem>& read) {
  if (const auto* p = std::get_if<LandXmlProblem>(&read)) return LandXmlRefusedMessage("f", *p);
  const LandXmlFile& file = std::get<LandXmlFile>(read);
  std::string text = file.linearUnit + " " + std::to_string(file.metresPerUnit) + "\n";
  auto number = [](double v) {
    char digits[40];
    std::snprintf(digits, sizeof digits, "%.17g ", v);
    return std::string(digits);
  };
  for (const LandXmlAlignment& a : file.alignments) {
    text += a.name + " " + number(a.length) + number(a.staStart) + std::to_string(a.line) + "\n";
    if (const auto* p = std::get_if<LandXmlProblem>(&a.road)) {
      text += LandXmlRefusedMessage("f", *p) + "\n";
    } else {
      const ElementRoadInput& road = std::get<ElementRoadInput>(a.road);
      text += number(road.start.X) + number(road.start.Y) + number(road.azimuth) + "\n";
      for (const ElementInput& e : road.elements) {
        text += std::to_string(static_cast<int>(e.kind)) + " " + number(e.length) + number(e.R1) + number(e.R2) +
                std::to_string(static_cast<int>(e.turn)) + "\n";
      }
      for (const StationEquation& q : road.equations) text += number(q.back) + number(q.ahead) + "\n";
    }
    if (!a.profile) continue;
    text += "profile " + a.profile->name + " " + std::to_string(a.profile->line) + "\n";
    if (const auto* rows = std::get_if<ProfileInput>(&a.profile->read)) {
      for (const PviInput& row : rows->rows) {
        text += number(row.station.value) + number(row.elevation) + std::to_string(static_cast<int>(row.curve)) + " " +
                number(row.length) + "\n";
      }
    }
  }
  return text;
}

TEST(LandXmlCore, AFileReadByItsPathGivesWhatTheDesktopReadsInChunksOfAnySize) {
  const QDir folder(QStringLiteral(CAPSET_LANDXML_DATA));
  for (const QString& name : folder.entryList({QStringLiteral("*.xml")}, QDir::Files)) {
    const QString path = folder.filePath(name);
    const std::string desktop = Summary(ReadLandXmlFile(path));
    EXPECT_EQ(desktop.find("无法读入"), std::string::npos) << desktop;
    EXPECT_EQ(Summary(ReadLandXmlPath(path.toStdString())), desktop) << name.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::string bytes = file.readAll().toStdString();
    for (std::size_t chunk : {1, 7, 4096}) {
      xml::TextSource source(bytes, chunk);
      EXPECT_EQ(Summary(ReadLandXml(source)), desktop) << name.toStdString() << " in chunks of " << chunk;
    }
  }
}

TEST(LandXmlCore, AFolderOrAMissingFileIsRefusedByName) {
  const auto folder = ReadLandXmlPath(CAPSET_LANDXML_DATA);
  ASSERT_TRUE(std::holds_alternative<LandXmlProblem>(folder));
  EXPECT_EQ(std::get<LandXmlProblem>(folder).fault, LandXmlFault::kUnreadable);
  const auto missing = ReadLandXmlPath(std::string(CAPSET_LANDXML_DATA) + "/no such file.xml");
  ASSERT_TRUE(std::holds_alternative<LandXmlProblem>(missing));
  EXPECT_NE(LandXmlRefusedMessage("x.xml", std::get<LandXmlProblem>(missing)).find("No such file"), std::string::npos);
}

// What a file's bytes and declaration are, and what the desktop and the
// core without a transcoder make of them.
struct EncodingRow {
  std::string name;
  std::string bytes;
  std::string desktop;  // a part of the refusal, or "" when the desktop reads the road
  std::string core;     // the same without the toolkit's converters
};

class LandXmlEncodings : public ::testing::TestWithParam<EncodingRow> {};

std::string Outcome(const std::variant<LandXmlFile, LandXmlProblem>& read) {
  if (const auto* p = std::get_if<LandXmlProblem>(&read)) return LandXmlRefusedMessage("e.xml", *p);
  const auto& file = std::get<LandXmlFile>(read);
  return file.alignments.size() == 1 && std::holds_alternative<ElementRoadInput>(file.alignments[0].road)
             ? ""
             : "no road";
}

TEST_P(LandXmlEncodings, AreReadOrRefusedWithTheirName) {
  const EncodingRow& row = GetParam();
  QByteArray bytes = QByteArray::fromStdString(row.bytes);
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  const std::string desktop = Outcome(ReadLandXml(buffer));
  xml::TextSource source(row.bytes);
  const std::string core = Outcome(ReadLandXml(source));
  if (row.desktop.empty()) EXPECT_EQ(desktop, "");
  else EXPECT_NE(desktop.find(row.desktop), std::string::npos) << desktop;
  if (row.core.empty()) EXPECT_EQ(core, "");
  else EXPECT_NE(core.find(row.core), std::string::npos) << core;
}

const std::string kRoad =
    "<LandXML><Alignments><Alignment name=\"主线\"><CoordGeom>"
    "<Line><Start>1000 2000</Start><End>1100 2000</End></Line></CoordGeom></Alignment></Alignments></LandXML>";
// 主线 in GBK: D6 F7 CF DF.
const std::string kGbkRoad = "<?xml version=\"1.0\" encoding=\"GBK\"?>\n<LandXML><Alignments><Alignment name=\"\xD6\xF7\xCF\xDF\">"
                             "<CoordGeom><Line><Start>1000 2000</Start><End>1100 2000</End></Line></CoordGeom></Alignment>"
                             "</Alignments></LandXML>";

const EncodingRow kEncodings[] = {
    {"Utf8WithoutADeclaration", kRoad, "", ""},
    {"Utf8WithItsMark", "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"utf-8\"?>" + kRoad, "", ""},
    {"GbkOnTheDesktopOnly", kGbkRoad, "", "文件的编码是“GBK”，本程序读不了这种编码的文件；请将文件另存为 UTF-8 编码后再读入。"},
    {"AnEncodingNobodyKnows", "<?xml version=\"1.0\" encoding=\"x-martian\"?>" + kRoad, "文件的编码是“x-martian”",
     "文件的编码是“x-martian”"},
    {"Utf16ByItsMark", std::string("\xFF\xFE<\0L\0", 6), "文件的编码是“UTF-16”", "文件的编码是“UTF-16”"},
    {"Utf16DeclaredInAscii", "<?xml version=\"1.0\" encoding=\"UTF-16\"?>" + kRoad, "文件的编码是“UTF-16”",
     "文件的编码是“UTF-16”"},
    {"Gb2312DeclaredButUtf8Written", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<LandXML a=\"\xD6\xF7\"/>",
     "第 2 行，不是格式正确的 XML 文件（有不符合文件编码的字节）", "第 2 行，不是格式正确的 XML 文件（有不符合文件编码的字节）"},
};
INSTANTIATE_TEST_SUITE_P(Files, LandXmlEncodings, ::testing::ValuesIn(kEncodings), testing::RowName<EncodingRow>);

// The reader's refusals as the user reads them: line, and why in words.
struct WellFormedRow {
  std::string name;
  std::string xml;
  std::string message;
};

class LandXmlNotWellFormed : public ::testing::TestWithParam<WellFormedRow> {};

TEST_P(LandXmlNotWellFormed, SaysWhereAndWhy) {
  xml::TextSource source(GetParam().xml, 3);
  const auto read = ReadLandXml(source);
  ASSERT_TRUE(std::holds_alternative<LandXmlProblem>(read));
  EXPECT_EQ(LandXmlRefusedMessage("r.xml", std::get<LandXmlProblem>(read)), GetParam().message);
}

const std::string kHead = "<?xml version=\"1.0\"?>\n<LandXML>\n";
const WellFormedRow kWellFormed[] = {
    {"TagsCrossed", kHead + "<Alignments>\n</LandXML>\n",
     "无法读入路线文件“r.xml”：第 4 行，不是格式正确的 XML 文件（结束标记 </LandXML> 与开始标记 <Alignments> 不配对）。\n路线没有改变。"},
    {"AttributeTwice", kHead + "<Alignments><Alignment name=\"a\" name=\"b\"/></Alignments></LandXML>",
     "无法读入路线文件“r.xml”：第 3 行，不是格式正确的 XML 文件（属性 name 在同一元素中出现了两次）。\n路线没有改变。"},
    {"AmpersandInAName", kHead + "<Alignments><Alignment name=\"A&B\"/></Alignments></LandXML>",
     "无法读入路线文件“r.xml”：第 3 行，不是格式正确的 XML 文件（此处应为“&amp;”，却是“&”）。\n路线没有改变。"},
    {"SecondRoot", kHead + "</LandXML>\n<LandXML/>",
     "无法读入路线文件“r.xml”：第 4 行，不是格式正确的 XML 文件（根元素结束之后还有内容）。\n路线没有改变。"},
    {"ControlCharacter", kHead + "<Alignments>\x0C</Alignments></LandXML>",
     "无法读入路线文件“r.xml”：第 3 行，不是格式正确的 XML 文件（有 XML 不允许的字符 U+000C）。\n路线没有改变。"},
    {"NestedPastAnyRoadFile", kHead + [] {
       std::string deep;
       for (int i = 0; i < 300; ++i) deep += "<g>";
       return deep;
     }(),
     "无法读入路线文件“r.xml”：第 3 行，不是格式正确的 XML 文件（元素嵌套超过 256 层）。\n路线没有改变。"},
    {"EntityAfterAll", kHead + "<Alignments>&nbsp;</Alignments></LandXML>",
     "无法读入路线文件“r.xml”：第 3 行，文件声明或引用了实体。为安全起见，本程序不展开实体，也不读取文件之外的内容。\n路线没有改变。"},
    {"DeclarationOfEntitiesOverLines", "<?xml version=\"1.0\"?>\n<!DOCTYPE LandXML [\n<!ENTITY a \"b\">\n]>\n<LandXML/>",
     "无法读入路线文件“r.xml”：第 2 行，元素 <DOCTYPE>：文件声明或引用了实体。为安全起见，本程序不展开实体，也不读取文件之外的内容。\n"
     "路线没有改变。"},
};
INSTANTIATE_TEST_SUITE_P(Files, LandXmlNotWellFormed, ::testing::ValuesIn(kWellFormed), testing::RowName<WellFormedRow>);

}  // namespace
}  // namespace capset
