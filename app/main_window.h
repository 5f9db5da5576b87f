#pragma once
// The program's main window: Form1, unchanged, in a scroll area so that
// every control can be reached on a screen smaller than the form; a menu
// bar; the results log in a panel below the form; the day file.
//
// Menus and their keys:
//   文件  打开作业… Ctrl+O, 保存作业… Ctrl+S, 最近的作业, 导出结果… Ctrl+E,
//         退出 Ctrl+Q
//   计算  开始 Ctrl+N (a new job), 计算 F5, 批量计算… Ctrl+B
//   查看  结果记录 Ctrl+L (shows or hides the log panel)
//   帮助  使用说明 F1, 关于
// 开始 and 计算 click the form's own buttons, so they run exactly what the
// buttons run.

#include <QMainWindow>
#include <QString>
#include <memory>
#include <vector>

#include "batch_input.h"
#include "cap_log.h"
#include "cap_solution.h"
#include "export_formats.h"
#include "seam.h"

class QAction;
class QDockWidget;
class QMenu;
class QScrollArea;

namespace capset {

class BatchDialog;
class CapSession;
class Form1;
class Journal;
class QtFileStore;
class SessionFiles;
class LogView;

class MainWindow : public QMainWindow, private LogObserver {
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
  const Journal& DayFile() const { return *journal_; }
  QAction* Action(const char* objectName) const;

  // The batch as the dialog's OK runs it; true when it ran.
  bool RunBatch(const BatchInput& input);
  // Writes the rows (all when `rows` is empty) to `path`; true when written.
  // A failure is reported with its reason and changes nothing.
  bool ExportTo(const QString& path, ExportFormat format, const std::vector<int>& rows = {});

  // The job (Start's answers and the batch list) to `path`, written whole or
  // not at all; true when written.
  bool SaveJobTo(const QString& path);
  // The job in `path` becomes the window's, read exactly as if its answers
  // had been typed; a file that is not a job is reported and changes nothing.
  bool OpenJobFrom(const QString& path);

 signals:
  // A cap chosen in the log. The plan sketch shows it, once there is one.
  void CapSelected(const CapSolution& solution);

 private:
  void BuildMenus();
  void OpenBatch();
  void OpenJob();
  void SaveJob();
  void ListRecentJobs(QMenu* menu);
  void OpenExport();
  void ShowUsage();
  void ShowAbout();
  // The first rows open the log panel.
  void RowsAdded(int first, int last) override;
  void RowsArrived();
  void FitToScreen();

  ErrorReporter& reporter_;
  Form1* form_;
  QScrollArea* formArea_;
  QDockWidget* logPanel_;
  LogView* logView_ = nullptr;
  std::unique_ptr<Journal> journal_;
  std::unique_ptr<QtFileStore> store_;
  std::unique_ptr<SessionFiles> files_;
  BatchDialog* batch_ = nullptr;
  std::string separator_;
  bool logShownOnce_ = false;
};

}  // namespace capset
