#pragma once
// 路线: the road of the job edited as a table, its curves and key points
// computed beside it, and a plan of the whole road. Nothing it shows
// changes the job's road until 应用.

#include <QMainWindow>

#include "cap_session.h"
#include "seam.h"

namespace capset {

class RoadWindow : public QMainWindow {
  Q_OBJECT

 public:
  RoadWindow(CapSession& session, ErrorReporter& reporter, QWidget* parent = nullptr);
  // The tables take the job's road as it is now.
  void LoadJobRoad();

 private:
  CapSession& session_;
  ErrorReporter& reporter_;
};

}  // namespace capset
