// Our XML reader against the toolkit's QXmlStreamReader, over the
// project's LandXML files and random small documents, good and broken:
// the same events, or both refuse the document. (Line numbers are left
// out: the toolkit counts a tag's line where the tag ends, ours where it
// starts.)

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QXmlStreamReader>
#include <regex>
#include <string>

#include "xml_events.h"

namespace capset {
namespace {

const std::vector<std::string> kRefused{"REFUSED"};

using testing::RandomDocument;

std::vector<std::string> OurEvents(const std::string& document) {
  std::vector<std::string> events = testing::XmlEvents(document, 1 << 16);
  if (events.back() != "END") return kRefused;
  static const std::regex line(" @[0-9]+$");
  for (std::string& e : events) e = std::regex_replace(e, line, "");
  return events;
}

std::vector<std::string> ToolkitEvents(const std::string& document) {
  QXmlStreamReader qt(QByteArray::fromStdString(document));
  qt.setNamespaceProcessing(false);
  std::vector<std::string> events;
  int depth = 0;
  bool text = false;
  while (!qt.atEnd()) {
    const QXmlStreamReader::TokenType token = qt.readNext();
    if (token == QXmlStreamReader::Characters) {
      if (depth == 0) continue;
      if (!text) events.push_back("T ");
      events.back() += qt.text().toString().toStdString();
      text = true;
      continue;
    }
    text = false;
    switch (token) {
      case QXmlStreamReader::StartElement: {
        ++depth;
        std::string line = "S " + qt.qualifiedName().toString().toStdString();
        for (const QXmlStreamAttribute& a : qt.attributes()) {
          line += " " + a.qualifiedName().toString().toStdString() + "=[" + a.value().toString().toStdString() + "]";
        }
        events.push_back(line);
        break;
      }
      case QXmlStreamReader::EndElement:
        --depth;
        events.push_back("E " + qt.qualifiedName().toString().toStdString());
        break;
      case QXmlStreamReader::Comment: events.push_back("C " + qt.text().toString().toStdString()); break;
      case QXmlStreamReader::ProcessingInstruction:
        events.push_back("P " + qt.processingInstructionTarget().toString().toStdString() + " [" +
                         qt.processingInstructionData().toString().toStdString() + "]");
        break;
      // What ours refuses where it stands.
      case QXmlStreamReader::DTD:
      case QXmlStreamReader::EntityReference:
      case QXmlStreamReader::Invalid: return kRefused;
      default: break;
    }
  }
  if (qt.hasError()) return kRefused;
  events.push_back("END");
  return events;
}

std::string FileText(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return file.readAll().toStdString();
}

TEST(XmlAgainstToolkit, TheProjectsLandXmlFilesGiveTheSameEvents) {
  const QDir folder(QStringLiteral(CAPSET_LANDXML_DATA));
  const QStringList files = folder.entryList({QStringLiteral("*.xml")}, QDir::Files);
  ASSERT_GE(files.size(), 5);
  for (const QString& name : files) {
    const std::string document = FileText(folder.filePath(name));
    const std::vector<std::string> ours = OurEvents(document);
    EXPECT_NE(ours, kRefused) << name.toStdString();
    EXPECT_GT(ours.size(), 20u) << name.toStdString();
    EXPECT_EQ(ours, ToolkitEvents(document)) << name.toStdString();
  }
}

TEST(XmlAgainstToolkit, RandomDocumentsGiveTheSameEventsOrAreRefusedByBoth) {
  std::mt19937 random(28);
  int good = 0, refused = 0;
  for (int trial = 0; trial < 3000; ++trial) {
    const std::string document = RandomDocument(random, trial % 2 == 1);
    const std::vector<std::string> ours = OurEvents(document);
    ASSERT_EQ(ours, ToolkitEvents(document)) << "trial " << trial << ":\n" << document;
    (ours == kRefused ? refused : good) += 1;
  }
  EXPECT_GT(good, 1500);
  EXPECT_GT(refused, 700);
}

}  // namespace
}  // namespace capset
