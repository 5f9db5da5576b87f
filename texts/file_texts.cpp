#include "file_texts.h"

#include <utility>

#include "answer_texts.h"
#include "fault_texts.h"
#include "log_texts.h"
#include "marks.h"

namespace capset {

std::string UnwritableNumberReason(const ArithmeticFault& fault) {
  return std::string("表中有无法写出的数值（") + ErrorKindName(fault.kind) + "：" + FaultPlaceName(fault.where) + "时出错），文件没有写出。";
}
namespace {

// The fields of a job file in the words of the window's captions and
// questions.
constexpr std::pair<const char*, const char*> kFieldWords[] = {
    {"format", "文件类型"},
    {"version", "版本号"},
    {"decimal", "小数点"},
    {"start", "开始的数据"},
    {"start.KZH", "直缓点桩号 Kz"},
    {"start.KHZ", "缓直点桩号"},
    {"start.X", "纵座标 X"},
    {"start.Y", "横座标 Y"},
    {"start.T", "切线方位角 T"},
    {"start.R", "平曲线半径 R"},
    {"start.A1", "缓和曲线要素 A1"},
    {"start.Kj", "设计盖梁中桩桩号 Kj"},
    {"start.B", "交角 B"},
    {"start.P", "正偏或反偏 P"},
    {"batch", "批量计算"},
    {"batch.axis", "盖梁横轴"},
    {"batch.DR", "DR"},
    {"batch.precision", "精度"},
    {"batch.offsets", "轴线上的点"},
    {"batch.stations", "桩号"},
    {"road", "路线"},
    {"road.station", "路线起点桩号"},
    {"road.bp", "路线起点 BP"},
    {"road.jds", "路线的交点"},
    {"road.ep", "路线终点 EP"},
    {"road.elements", "路线的线元"},
    {"road.equations", "路线的断链"},
    {"profile", "纵断面"},
    {"section", "横断面"},
    {"section.super", "横断面的超高过渡段"},
    {"section.slopes", "横断面的超高表"},
    {"templates", "下部结构模板"},
    {"bridges", "桥"},
};

std::string FaultText(const JobFileProblem& p) {
  switch (p.fault) {
    case JobFileFault::kTooBig: return "文件过大，不是作业文件。";
    case JobFileFault::kNotJson: return "不是有效的 JSON 文本，不是作业文件。";
    case JobFileFault::kCutShort: return "文件在此处中断，不是完整的作业文件。";
    case JobFileFault::kBadText: return "有无效的文字（不是有效的 UTF-8），不是作业文件。";
    case JobFileFault::kNumberRange: return "数值超出范围，不是作业文件。";
    case JobFileFault::kDuplicateKey: return "字段" + Quoted(JobFieldName(p.text)) + "重复，不是作业文件。";
    case JobFileFault::kTooDeep: return "嵌套层次过深，不是作业文件。";
    case JobFileFault::kNotAJob: return "不是作业文件。";
    case JobFileFault::kNoVersion: return "缺少版本号。";
    case JobFileFault::kUnknownVersion: return "未知的版本（本程序读第 1 至第 3 版）。";
    case JobFileFault::kMissing: return "缺少这个字段。";
    case JobFileFault::kNotText: return "应为数值文字。";
    case JobFileFault::kNotAGroup: return "应为一组字段。";
    case JobFileFault::kBadDecimal: return "应为“.”或“,”。";
    case JobFileFault::kBadAxis: return "应为“parallel”或“own”。";
    case JobFileFault::kBadMethod: return "应为“exact”或“window”。";
    case JobFileFault::kNotAList: return "应为一列桩号。";
    case JobFileFault::kStationNotText: return "每个桩号应为一行文字。";
    case JobFileFault::kNotANumber: return NotANumberReason(p.text);
    case JobFileFault::kOutOfRange: return OutOfRangeReason(p.text);
    case JobFileFault::kRefusedByStart: return p.text;
    case JobFileFault::kBadRoad: return p.text;
    case JobFileFault::kBadHeights: return p.text;
    case JobFileFault::kBadBridges: return p.text;
    case JobFileFault::kBadPolar: return p.text;
    case JobFileFault::kIncomplete: break;
  }
  return "作业不完整。";
}

}  // namespace

std::string JobFieldName(const std::string& field) {
  for (const auto& [key, words] : kFieldWords) {
    if (field == key) return words;
  }
  return field;
}

namespace {

const char* JobUnchanged(JobShownIn shownIn) {
  return shownIn == JobShownIn::kPage ? "\n页面中的作业没有改变。" : "\n窗口中的作业没有改变。";
}

}  // namespace

std::string JobRefusedMessage(const std::string& file, const JobFileProblem& problem, JobShownIn shownIn) {
  std::string where;
  if (problem.line > 0) where = "第 " + std::to_string(problem.line) + " 行，";
  if (!problem.field.empty()) where += JobFieldName(problem.field) + "：";
  return "无法打开作业文件" + Quoted(file) + "：" + where + FaultText(problem) + JobUnchanged(shownIn);
}

std::string JobUnreadableMessage(const std::string& file, const std::string& reason, JobShownIn shownIn) {
  return "无法读取作业文件" + Quoted(file) + "：" + reason + JobUnchanged(shownIn);
}

std::string JobUnwritableMessage(const std::string& file, const std::string& reason) {
  return "无法保存作业文件" + Quoted(file) + "：" + reason + "\n原有的文件没有改变。";
}

std::string ExportFailedMessage(const std::string& path, const std::string& reason) {
  return "导出失败：无法写入文件" + Quoted(path) + "。\n原因：" + reason + "\n原有文件保持不变，结果记录未受影响。";
}

std::string SharedLabelsQuestion(const std::vector<SharedLabel>& shared) {
  constexpr std::size_t kListed = 10;
  std::string text = "要导出的点文件中，以下盖梁的点名相同，全站仪调用时会混淆：";
  for (std::size_t i = 0; i < shared.size() && i < kListed; ++i) {
    text += "\n" + Quoted(shared[i].label) + "：" + RowListText(shared[i].numbers);
  }
  if (shared.size() > kListed) text += "\n……另有 " + std::to_string(shared.size() - kListed) + " 个。";
  const SharedLabel& first = shared.front();
  return text + "\n可以在这些盖梁的点名后加上其序号导出（如 " + first.label + "_" + std::to_string(first.numbers.front()) +
         "-C），或者取消导出，先在结果记录中删去重复的行。";
}

std::string ExportDoneText(int rows, const std::string& path) {
  return "已导出 " + std::to_string(rows) + " 行结果到 " + path;
}

std::string ExportWhatText(int rows, bool chosen) {
  return (chosen ? "所选的 " : "全部 ") + std::to_string(rows) + " 行";
}

namespace {

std::string RowsKeepTheirRoad(const std::vector<int>& rows) {
  return "结果记录中" + RowListText(rows) + "的盖梁是在现有路线上计算的；换用新路线后这些行仍保留计算时所用的路线，不会按新路线重算。";
}

}  // namespace

std::string UnsavedJobQuestion(Discarding what, const std::string& file, const std::vector<int>& rowsOnRoad) {
  const std::string job = file.empty() ? std::string("当前作业") : "作业" + Quoted(file);
  std::string text;
  switch (what) {
    case Discarding::kOpenJob: text = job + "有未保存的修改。打开另一个作业之前，要先保存吗？"; break;
    case Discarding::kQuit: text = job + "有未保存的修改。退出之前，要先保存吗？"; break;
    case Discarding::kReplaceRoad: text = job + "的路线还没有保存。换用新路线之前，要先保存作业吗？"; break;
    case Discarding::kReplaceProfile:
      text = job + "的纵断面还没有保存。换用路线文件中的纵断面之前，要先保存作业吗？";
      break;
  }
  if (!rowsOnRoad.empty()) text += "\n" + RowsKeepTheirRoad(rowsOnRoad);
  return text + "\n选“不保存”将放弃这些修改。";
}

std::string ReplaceSolvedRoadQuestion(const std::vector<int>& rowsOnRoad) {
  return "新路线将替换作业的现有路线。\n" + RowsKeepTheirRoad(rowsOnRoad);
}

std::string JobSavedText(const std::string& path) { return "作业已保存到 " + path; }

std::string JournalFailedMessage(const std::string& path, const std::string& reason) {
  return "计算结果无法写入当天的日志文件" + Quoted(path) + "。\n原因：" + reason +
         "\n窗口中的结果记录照常保留，可用“文件 → 导出结果…”保存。本次运行中不再提示此错误。";
}

}  // namespace capset
