#include "help_texts.h"

namespace capset {

std::string UsageText(const std::string& journalFolder) {
  return "开始（Ctrl+N）：逐项输入缓和曲线和设计盖梁的数据。角度 T 和 B 按“度.分秒”输入，如 123.4530 为 123°45′30″。\n"
         "保存作业（Ctrl+S）、打开作业（Ctrl+O）：把“开始”输入的数据（及批量计算的桩号表）存为作业文件"
         "（.capjob），以后打开即可直接计算，不必重新输入。\n"
         "计算（F5）：输入盖梁中桩桩号 Kp、DR 和精度，计算一个盖梁。\n"
         "批量计算（Ctrl+B）：一次输入全桥各盖梁的桩号（每行一个，名称可写在桩号前，如 3# K12+400），"
         "以及 DR、精度和轴线上的点（如桩柱或支座距中桩 -3.5 3.5），一次算出全部盖梁。\n"
         "结果记录（Ctrl+L）：每次计算都在结果记录中增加一行。选中若干行后按 Ctrl+C 可复制到电子表格，"
         "按 Delete 删除。\n"
         "导出结果（Ctrl+E）：把所选各行（未选时为全部）存为 CSV 文件，或存为全站仪用的 CASS 点文件"
         "（.dat，每行“点名,编码,Y,X,H”）。\n"
         "每一行结果在算出时即写入当天的日志文件（capset-年-月-日.csv），保存在：\n" +
         journalFolder;
}

std::string AboutText(const std::string& version) {
  return "缓和曲线上盖梁坐标计算 capset " + version +
         "\n计算位于缓和曲线上的桥梁盖梁的中桩座标、路基边缘处座标、盖梁长度及桩号。";
}

}  // namespace capset
