#include "road_window.h"

#include "road_window_texts.h"

namespace capset {

RoadWindow::RoadWindow(CapSession& session, ErrorReporter& reporter, QWidget* parent)
    : QMainWindow(parent), session_(session), reporter_(reporter) {
  setWindowFlag(Qt::Window);
}

void RoadWindow::LoadJobRoad() {}

}  // namespace capset
