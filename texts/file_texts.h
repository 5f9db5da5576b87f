#pragma once
// What the files say: job files saved and opened, exports, the day file.

#include <string>
#include <vector>

#include "fault.h"
#include "job_file_problem.h"
#include "shared_label.h"

namespace capset {

// Why a file was not written: a number in it cannot be written
// ("溢出：写出数值时出错"), never "inf" or "nan" in the file.
std::string UnwritableNumberReason(const ArithmeticFault& fault);

// Job files.
inline constexpr char kNothingToSave[] =
    "还没有可保存的作业：请先点击“开 始”输入数据、输入或导入路线，或打开一个作业文件。";

// Before unsaved work of the job would be lost: what is about to happen,
// and the answers besides 取消 (Cancel), which leaves everything as it was.
enum class Discarding { kOpenJob, kQuit, kReplaceRoad, kReplaceProfile };
// `file`: the job's file name, empty when it has none yet. `rowsOnRoad`:
// rows of the log solved on the road an import replaces (empty: none).
std::string UnsavedJobQuestion(Discarding what, const std::string& file, const std::vector<int>& rowsOnRoad = {});
inline constexpr char kSaveAnswer[] = "保存";
inline constexpr char kDiscardAnswer[] = "不保存";
// A new road (imported, or applied in the road window) over one whose caps are in the log, when the road itself
// is saved: the rows keep the road they were solved on.
std::string ReplaceSolvedRoadQuestion(const std::vector<int>& rowsOnRoad);
inline constexpr char kReplaceRoadAnswer[] = "换用新路线";
// Where a job without a file is saved, when a question's 保存 needs one
// and the user is asked in words rather than by a file dialog.
inline constexpr char kSaveJobPathPrompt[] = "作业还没有文件。保存到（文件路径）：";
// Where the job that stays after a refused file is shown: the closing
// sentence tells the user which job is unchanged.
enum class JobShownIn { kWindow, kPage };
// A file that is not a job this program can open, where and why, naming
// the field as the window does; the job in the window (or page) stays.
std::string JobRefusedMessage(const std::string& file, const JobFileProblem& problem,
                              JobShownIn shownIn = JobShownIn::kWindow);
// "直缓点桩号 Kz" for the field "start.KZH" of a job file, in the words of
// the window's questions; the key alone for one the window has no words for.
std::string JobFieldName(const std::string& field);
// A file that cannot be read or written at all, with the system's reason.
std::string JobUnreadableMessage(const std::string& file, const std::string& reason,
                                 JobShownIn shownIn = JobShownIn::kWindow);
std::string JobUnwritableMessage(const std::string& file, const std::string& reason);

// Export.
inline constexpr char kNothingToExport[] = "结果记录中还没有结果，没有可导出的内容。";
inline constexpr char kNotAPlainFile[] = "这不是普通文件。";
inline constexpr char kIsAFolder[] = "这是一个文件夹，不是文件。";
std::string ExportFailedMessage(const std::string& path, const std::string& reason);
// Caps of an export to the point file that share a label, each with its
// row numbers, and what exporting anyway does with their names.
std::string SharedLabelsQuestion(const std::vector<SharedLabel>& shared);
inline constexpr char kExportWithSuffix[] = "加序号后缀导出";
std::string ExportDoneText(int rows, const std::string& path);
// What an export will write, for its dialog's title: the rows chosen in
// the log, or all of them, and how many.
std::string ExportWhatText(int rows, bool chosen);
// The status bar after a save.
std::string JobSavedText(const std::string& path);

// The day file: reported once, then the log goes on without it.
inline constexpr char kNoDataFolder[] = "无法建立存放日志文件的文件夹。";
std::string JournalFailedMessage(const std::string& path, const std::string& reason);

}  // namespace capset
