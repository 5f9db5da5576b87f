#pragma once
// The program's main window: Form1, unchanged, in a scroll area so that
// every control can be reached on a screen smaller than the form; a menu
// bar; the results log in a panel beside or below the form; the day file.
//
// Menus and their keys:
//   文件  打开作业… Ctrl+O, 保存作业 Ctrl+S, 另存为… Ctrl+Shift+S,
//         最近的作业, 导出结果… Ctrl+E, 退出 Ctrl+Q
//         导入路线…, 导出路线… (LandXML)
//   计算  开始 Ctrl+N (a new job), 计算 F5, 批量计算… Ctrl+B, 路线… Ctrl+R, 实测检核… Ctrl+M
//   查看  结果记录 Ctrl+L (shows or hides the log panel); 计算表单 Ctrl+1 and
//         桥梁 Ctrl+2, the two pages of the middle (also tabs at the right
//         of the menu bar: the form keeps its whole height)
//   帮助  使用说明 F1, 关于
// 开始 and 计算 click the form's own buttons, so they run exactly what the
// buttons run.
//
// The title names the open job file and marks a job changed since it was
// saved or opened; 保存作业 writes to that file, 另存为… asks for another.
// After a Compute the result boxes and the buttons are scrolled into view;
// the log takes the room the form leaves. The window's size and place and
// the log's are kept between runs when the window is given somewhere to
// keep them (RememberLayout).

#include <QMainWindow>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "as_built_check.h"
#include "batch_input.h"
#include "cap_log.h"
#include "cap_session.h"
#include "cap_solution.h"
#include "export_formats.h"
#include "job_file.h"
#include "seam.h"
#include "station_table.h"

class QAction;
class QDockWidget;
class QMenu;
class QScrollArea;
class QStackedWidget;
class QTabBar;
class QSettings;

namespace capset {

class BatchDialog;
class BridgePage;
class CheckDialog;
class Form1;
class HelpWindow;
class Journal;
class QtFileStore;
class SessionFiles;
class StationTableWindow;
class LogView;
class RoadWindow;

class MainWindow : public QMainWindow, private LogObserver, private SessionObserver {
  Q_OBJECT

 public:
  // `journalFolder`: where the day files go (Journal::DefaultFolder() for the program).
  MainWindow(Prompt& prompt, const NumberReader& reader, ErrorReporter& reporter, const QString& journalFolder,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  Form1& Form() const { return *form_; }
  CapSession& Session() const;
  QScrollArea* FormArea() const { return formArea_; }
  QDockWidget* LogPanel() const { return logPanel_; }
  // The log's table, made when it is first needed: building it measures
  // every column heading, which a window that has not computed anything
  // yet need not wait for.
  LogView* Log();
  BatchDialog& Batch();
  StationTableWindow& StationTable();
  // 实测检核…, made when first opened.
  CheckDialog& CheckPoints();
  HelpWindow& Help();
  const Journal& DayFile() const { return *journal_; }
  QAction* Action(const char* objectName) const;

  // The window's size and place and the log panel's come from `settings`
  // now (when they are there), and go back to it when the window closes or
  // the program ends. `settings` must outlive the window.
  void RememberLayout(QSettings& settings);
  void SaveLayout();

  // The batch as the dialog's OK runs it; true when it ran.
  bool RunBatch(const BatchInput& input);
  // Writes the rows (all when `rows` is empty) to `path`; true when written.
  // A failure is reported with its reason and changes nothing.
  bool ExportTo(const QString& path, ExportFormat format, const std::vector<int>& rows = {});
  // A station table to `path`; true when written, a failure reported.
  bool ExportTableTo(const QString& path, ExportFormat format, const std::vector<StationTableRow>& rows);
  // The export dialog's title: what it writes, the rows chosen or all, and
  // how many.
  QString ExportDialogTitle() const;

  // The job (Start's answers, the batch list, the road) to `path`, written
  // whole or not at all; true when written. The file is the open job's from
  // then on.
  bool SaveJobTo(const QString& path);
  // The job in `path` becomes the window's, read exactly as if its answers
  // had been typed; a file that is not a job is reported and changes
  // nothing. Unsaved work is asked about first (保存 / 不保存 / 取消).
  bool OpenJobFrom(const QString& path);
  // 保存作业: to the open job's file, else to one asked for; true when written.
  bool SaveCurrentJob();
  // Where 另存为… and a 保存 without a file ask for the file: a file dialog
  // unless given another way (cap_replay asks in words). Nothing: cancelled.
  void SetSavePathAsker(std::function<std::optional<QString>()> ask) { askSavePath_ = std::move(ask); }
  // The road of a LandXML file becomes the job's: alignment `name`, or the
  // file's only one; with several and no name, the user picks one when
  // `ask`, else the refusal lists them. A refusal names the file, the
  // element and the reason, and leaves the road as it was. An unsaved road,
  // or caps of the log solved on the road, are asked about first.
  bool ImportRoadFrom(const QString& path, const std::optional<std::string>& name, bool ask = true);
  // The job's road (or the Start job's) as LandXML, written whole or not at all.
  bool ExportRoadTo(const QString& path);
  // The road window, made when first needed.
  RoadWindow& Roads();

  // The bridge page, made when first shown (main_window_bridge.cpp).
  BridgePage& Bridges();
  // The form (0) or the bridge page (1) in the window's middle.
  void ShowPage(int page);
  int ShownPage() const;

  // The open job's file; empty when none is open.
  const QString& JobPath() const { return jobPath_; }

 signals:
  // A cap chosen in the log. The plan sketch shows it, once there is one.
  void CapSelected(const CapSolution& solution);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();
  void OpenBatch();
  void OpenCheck();
  // The cap of the chosen result in the plan sketch, with every measured
  // point checked against it.
  void ShowCheckInSketch(const std::vector<CheckResult>& results, int current);
  void OpenJob();
  bool SaveJobAs();
  void ListRecentJobs(QMenu* menu);
  void OpenExport();
  void ShowUsage();
  void ShowAbout();
  void ImportRoad();
  void ExportRoad();
  void OpenRoadWindow();
  void ShowLogRow(int row);
  // The title: the job's file, and whether the job changed since it was
  // saved or opened.
  void UpdateTitle();
  // The first rows open the log panel.
  void RowsAdded(int first, int last) override;
  // The road window's plan draws the caps of the log.
  void RowsRemoved(int first, int last) override;
  void RowsArrived(int first, int last);
  void CapComputed(const CapSolution& solution) override;
  void StartCompleted() override;
  // The job's road is part of the job a save writes.
  void RoadChanged() override;
  void FitToScreen();
  // The first time the log panel shows: beside the form where the screen
  // has room for it, else below it in the room the form leaves with its
  // results in view, else as a window of its own (main_window_layout.cpp).
  void PlaceLogPanel();
  void DockLog(Qt::DockWidgetArea area, QSize size, int logSize, QSize decorations, const QRect& available);
  void ShowLogPanel();
  // Scrolls the form so that its results and buttons are in view.
  void KeepResultsInView();

  // The switch between the form and the bridge page: tabs in the menu
  // bar's corner, so the form keeps every pixel of its height.
  void BuildPages();

  ErrorReporter& reporter_;
  const NumberReader& reader_;
  Form1* form_;
  QScrollArea* formArea_;
  QDockWidget* logPanel_;
  LogView* logView_ = nullptr;
  std::unique_ptr<Journal> journal_;
  std::unique_ptr<QtFileStore> store_;
  std::unique_ptr<SessionFiles> files_;
  BatchDialog* batch_ = nullptr;
  StationTableWindow* stationTable_ = nullptr;
  CheckDialog* check_ = nullptr;
  HelpWindow* help_ = nullptr;
  RoadWindow* roads_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  QTabBar* pageTabs_ = nullptr;
  BridgePage* bridgePage_ = nullptr;
  std::string separator_;
  bool logPlaced_ = false;
  // Set by a Compute, cleared by a Start: while set, a change of the form
  // area's size scrolls the results back into view.
  bool resultsWanted_ = false;
  QSettings* layout_ = nullptr;
  QString jobPath_;
  std::function<std::optional<QString>()> askSavePath_;
};

}  // namespace capset
