// The XML reader on its own: each well-formedness error with its line,
// each entity form, CDATA, comments, processing instructions, the
// declaration and its encodings, the depth and token limits, and the same
// events wherever the input's chunks are cut.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "table.h"
#include "xml_events.h"
#include "xml_reader.h"

namespace capset {
namespace {

using testing::RandomDocument;
using testing::XmlEvents;
using xml::XmlFault;

// Documents the reader refuses: the fault, its line and what it names.
struct RefusedRow {
  std::string name;
  std::string document;
  XmlFault fault;
  long long line;
  std::string names = {};
};

class XmlRefused : public ::testing::TestWithParam<RefusedRow> {};

TEST_P(XmlRefused, StopsAtTheFaultWithItsLine) {
  const RefusedRow& row = GetParam();
  xml::TextSource source(row.document);
  xml::Reader reader(source, {1024, 8});
  while (!reader.AtEnd()) reader.ReadNext();
  ASSERT_TRUE(reader.HasError()) << row.document;
  EXPECT_EQ(reader.error().fault, row.fault) << testing::FaultLine(reader.error());
  EXPECT_EQ(reader.error().line, row.line) << testing::FaultLine(reader.error());
  EXPECT_EQ(reader.error().name, row.names);
  EXPECT_EQ(reader.LineNumber(), row.line);
  // An error stays the token from then on.
  EXPECT_EQ(reader.ReadNext(), xml::Token::kError);
}

const RefusedRow kRefused[] = {
    {"UnclosedRoot", "<a>\n<b></b>\n", XmlFault::kCutShort, 3},
    {"UnclosedInsideATag", "<a>\n<b x=\"1", XmlFault::kCutShort, 2},
    {"UnclosedComment", "<a><!-- no end", XmlFault::kCutShort, 1},
    {"UnclosedCdata", "<a><![CDATA[ no end ]]", XmlFault::kCutShort, 1},
    {"EmptyInput", "", XmlFault::kCutShort, 1},
    {"OnlyBlanksAndAComment", "  \n<!-- c -->\n", XmlFault::kCutShort, 3},
    {"MismatchedEndTag", "<a>\n<b>\n</a>", XmlFault::kMismatchedTag, 3, "a"},
    {"EndTagWithNothingOpen", "</a>", XmlFault::kMismatchedTag, 1, "a"},
    {"NameStartingWithADigit", "<a><1b/></a>", XmlFault::kBadName, 1, "1"},
    {"NameStartingWithAHyphen", "<-a/>", XmlFault::kBadName, 1, "-"},
    {"BlankAfterTheAngle", "< a/>", XmlFault::kBadName, 1, " "},
    {"DuplicateAttribute", "<a\n x=\"1\"\n x='2'/>", XmlFault::kDuplicateAttribute, 3, "x"},
    {"AttributeWithoutQuotes", "<a x=1/>", XmlFault::kSyntax, 1, "1"},
    {"AttributeWithoutValue", "<a x/>", XmlFault::kSyntax, 1, "/"},
    {"AttributesNotApart", "<a x=\"1\"y=\"2\"/>", XmlFault::kSyntax, 1, "y"},
    {"AngleInAttribute", "<a x=\"1<2\"/>", XmlFault::kSyntax, 1, "<"},
    {"SecondRoot", "<a/>\n<b/>", XmlFault::kAfterRoot, 2},
    {"TextAfterRoot", "<a/>\nmore", XmlFault::kAfterRoot, 2},
    {"TextBeforeRoot", "hello <a/>", XmlFault::kTextOutsideRoot, 1},
    {"CdataOutsideRoot", "<![CDATA[x]]><a/>", XmlFault::kTextOutsideRoot, 1},
    {"DoubleHyphenInComment", "<a><!-- a -- b --></a>", XmlFault::kSyntax, 1, " "},
    {"CommentEndingInAHyphen", "<a><!-- a ---></a>", XmlFault::kSyntax, 1, "-"},
    {"CdataEndInText", "<a>x ]]> y</a>", XmlFault::kSyntax, 1, "]]>"},
    {"DeclarationNotAtTheStart", "\n<?xml version=\"1.0\"?><a/>", XmlFault::kSyntax, 2, "<?xml"},
    {"DeclarationWithoutVersion", "<?xml encoding=\"UTF-8\"?><a/>", XmlFault::kSyntax, 1, "encoding"},
    {"DeclarationOfVersionTwo", "<?xml version=\"2.0\"?><a/>", XmlFault::kSyntax, 1, "2.0"},
    {"DeclarationOutOfOrder", "<?xml version=\"1.0\" standalone=\"yes\" encoding=\"UTF-8\"?><a/>", XmlFault::kSyntax, 1,
     "encoding"},
    {"BareAmpersand", "<a>A & B</a>", XmlFault::kSyntax, 1, "&"},
    {"ReferenceWithoutSemicolon", "<a>&amp </a>", XmlFault::kSyntax, 1, "&"},
    {"UndeclaredEntity", "<a>\n&nbsp;</a>", XmlFault::kUndeclaredEntity, 2, "nbsp"},
    {"UndeclaredEntityInAttribute", "<a x=\"&e;\"/>", XmlFault::kUndeclaredEntity, 1, "e"},
    {"ReferenceToNul", "<a>&#0;</a>", XmlFault::kBadCharReference, 1, "&#0;"},
    {"ReferenceToAControlCharacter", "<a>&#x1B;</a>", XmlFault::kBadCharReference, 1, "&#x1B;"},
    {"ReferenceToASurrogate", "<a>&#xD800;</a>", XmlFault::kBadCharReference, 1, "&#xD800;"},
    {"ReferenceToFFFE", "<a>&#xFFFE;</a>", XmlFault::kBadCharReference, 1, "&#xFFFE;"},
    {"ReferencePastUnicode", "<a>&#x110000;</a>", XmlFault::kBadCharReference, 1, "&#x110000;"},
    {"ReferenceOfManyDigitsPastUnicode", "<a>&#x00000000000000001F6000;</a>", XmlFault::kBadCharReference, 1,
     "&#x00000000000000001F6000;"},
    {"ReferenceWithoutDigits", "<a>&#;</a>", XmlFault::kBadCharReference, 1, "&#;"},
    {"HexDigitInADecimalReference", "<a>&#1A;</a>", XmlFault::kBadCharReference, 1, "&#1A"},
    {"ControlCharacterInText", std::string("<a>x\x01y</a>"), XmlFault::kBadCharacter, 1, "U+0001"},
    {"NulInAName", std::string("<a\0b/>", 6), XmlFault::kBadCharacter, 1, "U+0000"},
    {"LoneContinuationByte", "<a>\x80</a>", XmlFault::kBadBytes, 1},
    {"OverlongSlash", "<a>\xC0\xAF</a>", XmlFault::kBadBytes, 1},
    {"EncodedSurrogate", "<a>\xED\xA0\x80</a>", XmlFault::kBadBytes, 1},
    {"CharacterCutByTheEnd", "<a>\xE4\xB8", XmlFault::kBadBytes, 1},
    {"DocumentType", "<?xml version=\"1.0\"?>\n<!DOCTYPE a SYSTEM \"a.dtd\">\n<a/>", XmlFault::kDocumentType, 2},
    {"DocumentTypeDeclaringEntities", "<!DOCTYPE a [\n<!-- \"quoted\" -->\n<!ENTITY e \"x\">\n]>\n<a>&e;</a>",
     XmlFault::kDocumentType, 1},
    {"DocumentTypeNeverEnding", "<!DOCTYPE a [ <!ENTITY e \"", XmlFault::kDocumentType, 1},
    {"UnknownMarkupDeclaration", "<a><!ELEMENT a ANY></a>", XmlFault::kSyntax, 1, "<!E"},
    {"Utf16ByteOrderMarkBigEndian", std::string("\xFE\xFF\0<\0a\0/\0>", 10), XmlFault::kEncoding, 1, "UTF-16"},
    {"Utf16ByteOrderMarkLittleEndian", std::string("\xFF\xFE<\0a\0/\0>\0", 10), XmlFault::kEncoding, 1, "UTF-16"},
    {"Utf16WithoutAMark", std::string("<\0a\0/\0>\0", 8), XmlFault::kEncoding, 1, "UTF-16"},
    {"AnotherDeclaredEncoding", "<?xml version=\"1.0\" encoding=\"GB2312\"?><a/>", XmlFault::kEncoding, 1, "GB2312"},
    {"DeeperThanTheLimit", "<a><a><a><a><a><a><a><a>\n<a>", XmlFault::kTooDeep, 2},
    {"TextLongerThanATokenMay", "<a>\n" + std::string(1100, 'x') + "</a>", XmlFault::kTooLong, 2},
    {"TagLongerThanATokenMay", "<a x=\"" + std::string(1100, 'x') + "\"/>", XmlFault::kTooLong, 1},
};
INSTANTIATE_TEST_SUITE_P(Documents, XmlRefused, ::testing::ValuesIn(kRefused), testing::RowName<RefusedRow>);

TEST(XmlRefused, ADocumentTypeSaysWhetherItDeclaresEntities) {
  for (const RefusedRow& row : kRefused) {
    if (row.fault != XmlFault::kDocumentType) continue;
    const std::vector<std::string> events = XmlEvents(row.document, 1 << 16);
    EXPECT_EQ(events.back().ends_with("entities"), row.name != "DocumentType") << row.name;
  }
}

// Documents the reader takes: every event as one line.
struct ReadRow {
  std::string name;
  std::string document;
  std::vector<std::string> events;
};

class XmlRead : public ::testing::TestWithParam<ReadRow> {};

TEST_P(XmlRead, GivesItsEvents) {
  const ReadRow& row = GetParam();
  EXPECT_EQ(XmlEvents(row.document, 1 << 16), row.events);
}

const ReadRow kRead[] = {
    {"PredefinedEntities", "<a>&lt;&gt;&amp;&apos;&quot;</a>", {"S a @1", "T <>&'\"", "E a", "END"}},
    {"DecimalAndHexReferences", "<a>&#65;&#x42;&#x4e2d;&#x1F600;&#0000000020013;</a>",
     {"S a @1", "T AB中😀中", "E a", "END"}},
    {"HexReferenceWithACapitalX", "<a>&#X43;</a>", {"S a @1", "ERROR " + std::to_string(static_cast<int>(XmlFault::kBadCharReference)) + " line 1 &#X"}},
    {"ReferencesInAttributesBothQuotes", "<a x='&quot;&#x27;' y=\"it's &lt;&#10;\"/>",
     {"S a x=[\"'] y=[it's <\n] @1", "E a", "END"}},
    {"BlanksInAttributesAreSpaces", "<a x=\"1\t2\n3\r\n4\"/>", {"S a x=[1 2 3 4] @1", "E a", "END"}},
    {"LineEndsReadAsLineFeeds", "<a>1\r\n2\r3\n</a>", {"S a @1", "T 1\n2\n3\n", "E a", "END"}},
    {"CdataKeepsMarkupAsText", "<a>x<![CDATA[<b>&amp;]]]>y</a>", {"S a @1", "T x<b>&amp;]y", "E a", "END"}},
    {"CommentsAndInstructions", "<?xml version='1.0' encoding='utf-8' standalone='no'?>\n<!-- head -->\n<?pi  some data ?>"
                                "<a><!----><?go?></a>\n<!-- tail -->",
     {"C  head ", "P pi [some data ]", "S a @3", "C ", "P go []", "E a", "C  tail ", "END"}},
    {"Utf8MarkAndChineseNames", "\xEF\xBB\xBF<路线 名称=\"主线\">K1+000</路线>",
     {"S 路线 名称=[主线] @1", "T K1+000", "E 路线", "END"}},
    {"EmptyElementsAndPrefixes", "<lx:a xmlns:lx=\"u\"><b/><c></c></lx:a>",
     {"S lx:a xmlns:lx=[u] @1", "S b @1", "E b", "S c @1", "E c", "E lx:a", "END"}},
    {"StartLinesOfTagsOverLines", "<a\n x=\"1\">\n<b\n/></a>", {"S a x=[1] @1", "T \n", "S b @3", "E b", "E a", "END"}},
    {"CdataEndWrittenAsAReference", "<a>]]&gt;</a>", {"S a @1", "T ]]>", "E a", "END"}},
};
INSTANTIATE_TEST_SUITE_P(Documents, XmlRead, ::testing::ValuesIn(kRead), testing::RowName<ReadRow>);

// An encoding the caller can read: Latin-1, a byte a character.
class Latin1 : public xml::Transcoder {
 public:
  bool Feed(std::string_view bytes, bool, std::string& utf8) override {
    for (const char b : bytes) {
      const auto c = static_cast<unsigned char>(b);
      if (c < 0x80) {
        utf8 += b;
      } else {
        utf8 += static_cast<char>(0xC0 | (c >> 6));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
      }
    }
    return true;
  }
};

TEST(XmlEncoding, ADeclaredEncodingIsReadThroughTheCallersTranscoder) {
  xml::ReaderOptions options;
  std::string asked;
  options.transcoder = [&asked](const std::string& encoding) -> std::unique_ptr<xml::Transcoder> {
    asked = encoding;
    return std::make_unique<Latin1>();
  };
  const std::string document = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n<a x=\"\xE9\">\xB0</a>";
  for (std::size_t chunk : {1, 7, 1 << 16}) {
    EXPECT_EQ(XmlEvents(document, chunk, options), (std::vector<std::string>{"S a x=[é] @2", "T °", "E a", "END"}));
  }
  EXPECT_EQ(asked, "ISO-8859-1");
}

TEST(XmlDepth, TheLimitItselfIsReadAndOneMoreIsNot) {
  std::string at, past;
  for (int i = 0; i < 8; ++i) at += "<a>";
  for (int i = 0; i < 8; ++i) at += "</a>";
  past = "<b>" + at + "</b>";
  xml::ReaderOptions options;
  options.deepest = 8;
  EXPECT_EQ(XmlEvents(at, 3, options).back(), "END");
  EXPECT_EQ(XmlEvents(past, 3, options).back().rfind("ERROR " + std::to_string(static_cast<int>(XmlFault::kTooDeep)), 0), 0u);
}

// A hostile tag of many attributes costs its length, not its square: a
// hundred thousand are read, and the one given twice among them is found.
TEST(XmlLimits, ATagOfAHundredThousandAttributesIsReadInLinearTime) {
  std::string tag = "<a";
  for (int i = 0; i < 100000; ++i) tag += " n" + std::to_string(i) + "=\"\"";
  const std::vector<std::string> many = XmlEvents(tag + "/>", 1 << 16);
  EXPECT_EQ(many.back(), "END");
  const std::vector<std::string> twice = XmlEvents(tag + " n99999=''/>", 1 << 16);
  EXPECT_EQ(twice.back(), "ERROR " + std::to_string(static_cast<int>(XmlFault::kDuplicateAttribute)) + " line 1 n99999");
}

// The element helpers a road file's reader uses.
TEST(XmlPull, ElementTextSkipsChildrenAndCommentsAndSkipLeavesTheElement) {
  const std::string document = "<r><p>10 <!-- c --><q>no</q>20<![CDATA[ 30]]></p><s><t><u/></t></s><v/></r>";
  xml::TextSource source(document, 2);
  xml::Reader reader(source);
  ASSERT_TRUE(reader.ReadNextStartElement());
  EXPECT_EQ(reader.Name(), "r");
  ASSERT_TRUE(reader.ReadNextStartElement());
  EXPECT_EQ(reader.ReadElementText(), "10 20 30");
  EXPECT_TRUE(reader.IsEndElement());
  ASSERT_TRUE(reader.ReadNextStartElement());
  EXPECT_EQ(reader.Name(), "s");
  reader.SkipCurrentElement();
  ASSERT_TRUE(reader.ReadNextStartElement());
  EXPECT_EQ(reader.Name(), "v");
  EXPECT_FALSE(reader.ReadNextStartElement());  // </v>
  EXPECT_FALSE(reader.ReadNextStartElement());  // </r>
  EXPECT_FALSE(reader.ReadNextStartElement());
  EXPECT_EQ(reader.token(), xml::Token::kEndDocument);
}

TEST(XmlPull, NamesLoseTheirPrefixAndAttributesAreFoundAsWritten) {
  const std::string document = "<lx:LandXML xmlns:lx=\"u\" a=\"1\" lx:b=\"2\"/>";
  xml::TextSource source(document);
  xml::Reader reader(source);
  ASSERT_TRUE(reader.ReadNextStartElement());
  EXPECT_EQ(reader.Name(), "LandXML");
  EXPECT_EQ(reader.QualifiedName(), "lx:LandXML");
  EXPECT_EQ(reader.AttributeValue("a"), "1");
  EXPECT_EQ(reader.AttributeValue("lx:b"), "2");
  EXPECT_EQ(reader.AttributeValue("b"), std::nullopt);
}

// A source that fails after its first bytes, as a disk may.
class FailingSource : public xml::ByteSource {
 public:
  long long Read(char* into, std::size_t most) override {
    if (given_) return -1;
    given_ = true;
    const std::string head = "<a>\n<b>";
    const std::size_t n = std::min(most, head.size());
    head.copy(into, n);
    return static_cast<long long>(n);
  }
  std::string Why() const override { return "Input/output error"; }

 private:
  bool given_ = false;
};

TEST(XmlSource, AFailedReadIsAnErrorNotAnEnd) {
  FailingSource source;
  xml::Reader reader(source);
  while (!reader.AtEnd()) reader.ReadNext();
  ASSERT_TRUE(reader.HasError());
  EXPECT_EQ(reader.error().fault, XmlFault::kUnreadable);
}

// Whatever size the chunks are, and wherever they cut a tag, a reference
// or a multibyte character, the events are the same, the error too.
TEST(XmlChunks, TheEventsAreTheSameWhereverTheInputIsCut) {
  std::mt19937 random(20261210);
  int refused = 0;
  for (int trial = 0; trial < 400; ++trial) {
    const std::string document = RandomDocument(random, trial % 2 == 1);
    const std::vector<std::string> whole = XmlEvents(document, 1 << 16);
    refused += whole.back() != "END";
    if (trial % 2 == 0) {
      EXPECT_EQ(whole.back(), "END") << document;
    }
    for (std::size_t chunk : {1, 2, 3, 5, 13}) {
      ASSERT_EQ(XmlEvents(document, chunk), whole) << "chunk " << chunk << ": " << document;
    }
  }
  EXPECT_GT(refused, 100);  // the broken half is mostly refused
}

}  // namespace
}  // namespace capset

namespace capset {
namespace {

// Any bytes at all, markup among them: the reader ends (at the end or at
// an error) and the ending does not depend on the chunks.
TEST(XmlChunks, AnyBytesEndTheSameWhateverTheChunks) {
  std::mt19937 random(7);
  const std::string pieces[] = {"<a>", "</a>", "<b x='1'/>", "&amp;", "&#x41;", "<!--", "-->", "<![CDATA[", "]]>",
                                "<?p ?>", "\xE4\xB8\xAD", "\r\n", "<!DOCTYPE", "&"};
  for (int trial = 0; trial < 1000; ++trial) {
    std::string bytes = "<r>";
    for (int n = std::uniform_int_distribution<int>(0, 40)(random); n > 0; --n) {
      if (random() % 3 == 0) bytes += static_cast<char>(random() % 256);
      else bytes += pieces[random() % std::size(pieces)];
    }
    const std::vector<std::string> whole = XmlEvents(bytes, 1 << 16);
    EXPECT_TRUE(whole.back() == "END" || whole.back().starts_with("ERROR")) << whole.back();
    ASSERT_EQ(XmlEvents(bytes, 1), whole) << bytes;
    ASSERT_EQ(XmlEvents(bytes, 4), whole) << bytes;
  }
}

}  // namespace
}  // namespace capset
