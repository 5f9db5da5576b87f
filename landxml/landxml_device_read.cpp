#include "landxml_read.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include "file_texts.h"

namespace capset {
namespace {

class DeviceSource : public xml::ByteSource {
 public:
  explicit DeviceSource(QIODevice& device) : device_(device) {}
  long long Read(char* into, std::size_t most) override {
    const qint64 n = device_.read(into, static_cast<qint64>(most));
    // A sequential device says its end with -1; a file that fails to read does too, before its end.
    if (n < 0) return device_.isSequential() || device_.atEnd() ? 0 : -1;
    return n;
  }
  std::string Why() const override { return device_.errorString().toStdString(); }

 private:
  QIODevice& device_;
};

class ToolkitTranscoder : public xml::Transcoder {
 public:
  explicit ToolkitTranscoder(QStringDecoder decoder) : decoder_(std::move(decoder)) {}
  bool Feed(std::string_view bytes, bool, std::string& utf8) override {
    const QString text = decoder_.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (decoder_.hasError()) return false;
    utf8 += text.toStdString();
    return true;
  }

 private:
  QStringDecoder decoder_;
};

}  // namespace

LandXmlTranscoders ToolkitTranscoders() {
  return [](const std::string& encoding) -> std::unique_ptr<xml::Transcoder> {
    QStringDecoder decoder(encoding.c_str());
    // UTF-16 and UTF-32 cannot have declared themselves in ASCII.
    const QString name = QString::fromUtf8(decoder.name()).toUpper();
    if (!decoder.isValid() || name.startsWith(QLatin1String("UTF-16")) || name.startsWith(QLatin1String("UTF-32"))) {
      return nullptr;
    }
    return std::make_unique<ToolkitTranscoder>(std::move(decoder));
  };
}

std::variant<LandXmlFile, LandXmlProblem> ReadLandXml(QIODevice& device) {
  DeviceSource source(device);
  return ReadLandXml(source, ToolkitTranscoders());
}

std::variant<LandXmlFile, LandXmlProblem> ReadLandXmlFile(const QString& path) {
  // A folder, a device or a pipe is never read: /dev/zero would never end.
  const QFileInfo info(path);
  if (info.exists() && !info.isFile()) {
    return LandXmlProblem{LandXmlFault::kUnreadable, "", 0, {}, info.isDir() ? kIsAFolder : kNotAPlainFile};
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return LandXmlProblem{LandXmlFault::kUnreadable, "", 0, {}, file.errorString().toStdString()};
  return ReadLandXml(file);
}

}  // namespace capset
