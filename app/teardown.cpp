#include "teardown.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>

namespace capset {

void TearDownViewsFirst(QWidget* window) {
  for (QObject* child : window->findChildren<QObject*>()) child->disconnect(window);
  // Guarded: deleting one widget may delete another (a dialog it owns).
  QList<QPointer<QWidget>> widgets;
  if (auto* main = qobject_cast<QMainWindow*>(window)) {
    widgets.append(main->centralWidget());
  } else {
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) widgets.append(child);
  }
  for (const QPointer<QWidget>& widget : widgets) delete widget.data();
}

}  // namespace capset
