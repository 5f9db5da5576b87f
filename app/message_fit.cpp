#include "message_fit.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "app_title.h"

namespace capset {

void SetFittedText(QMessageBox& box, const QString& message) {
  box.setText(message);
  auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
  QScreen* screen = box.screen() != nullptr ? box.screen() : QGuiApplication::primaryScreen();
  if (label == nullptr || screen == nullptr || box.layout() == nullptr) return;
  const QRect room = screen->availableGeometry();
  // The title bar, the icon's row, the buttons and the frames take the rest.
  const int most = std::max(120, room.height() / 2);
  const int widest = std::max(320, room.width() * 3 / 4);
  label->setWordWrap(true);
  const int wide = std::min(widest, std::max(label->sizeHint().width(), 420));
  if (label->heightForWidth(wide) <= most) return;
  auto* pane = new QScrollArea(&box);
  pane->setFrameShape(QFrame::NoFrame);
  pane->setWidgetResizable(true);
  pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  delete box.layout()->replaceWidget(label, pane);
  pane->setWidget(label);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  const int bar = pane->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  pane->setFixedSize(wide + bar + 4, most);
}

void ShowFittedMessage(QWidget* parent, QMessageBox::Icon icon, const QString& message) {
  QMessageBox box(icon, QString::fromUtf8(kAppTitle), QString(), QMessageBox::Ok, parent);
  SetFittedText(box, message);
  box.exec();
}

}  // namespace capset
