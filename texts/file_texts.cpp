#include "file_texts.h"

#include "marks.h"

namespace capset {

std::string JobRefusedMessage(const std::string& file, const JobFileProblem& problem) {
  const std::string field = problem.field.empty() ? "" : "字段 " + problem.field + "：";
  return "无法打开作业文件“" + file + "”：" + field + problem.why + "\n窗口中的作业没有改变。";
}

std::string JobUnreadableMessage(const std::string& file, const std::string& reason) {
  return "无法读取作业文件“" + file + "”：" + reason + "\n窗口中的作业没有改变。";
}

std::string JobUnwritableMessage(const std::string& file, const std::string& reason) {
  return "无法保存作业文件“" + file + "”：" + reason + "\n原有的文件没有改变。";
}

std::string ExportFailedMessage(const std::string& path, const std::string& reason) {
  return "导出失败：无法写入文件" + Quoted(path) + "。\n原因：" + reason + "\n原有文件保持不变，结果记录未受影响。";
}

std::string ExportDoneText(int rows, const std::string& path) {
  return "已导出 " + std::to_string(rows) + " 行结果到 " + path;
}

std::string JournalFailedMessage(const std::string& path, const std::string& reason) {
  return "计算结果无法写入当天的日志文件" + Quoted(path) + "。\n原因：" + reason +
         "\n窗口中的结果记录照常保留，可用“文件 → 导出结果…”保存。本次运行中不再提示此错误。";
}

}  // namespace capset
