#include "help_window.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app_title.h"
#include "help_texts.h"
#include "look.h"
#include "window_texts.h"

namespace capset {
namespace {

// The figure of what T, B, DR, A1 and P mean on the ground, drawn from the
// same picture the README shows, at the screen's pixel density.
constexpr char kTermsFigure[] = ":/help/terms.svg";
constexpr char kFigureName[] = "terms.png";

QImage TermsImage(qreal pixelRatio) {
  QSvgRenderer svg{QString::fromUtf8(kTermsFigure)};
  if (!svg.isValid()) return {};
  QImage image(svg.defaultSize() * pixelRatio, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter painter(&image);
  svg.render(&painter);
  painter.end();
  image.setDevicePixelRatio(pixelRatio);
  return image;
}

}  // namespace

HelpWindow::HelpWindow(const QString& journalFolder, QWidget* parent) : QDialog(parent), page_(new QTextBrowser) {
  setObjectName("HelpWindow");
  setWindowTitle(WindowTitle(kUsageTitle));
  setModal(false);
  page_->setObjectName("HelpPage");
  page_->setFont(PlainFont(13));
  page_->setOpenLinks(false);
  page_->document()->addResource(QTextDocument::ImageResource, QUrl(QString::fromUtf8(kFigureName)),
                                 TermsImage(devicePixelRatio()));
  page_->setHtml(QString::fromStdString(UsageHtml(kFigureName, journalFolder.toStdString())));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(page_);
  resize(720, 640);
}

}  // namespace capset
