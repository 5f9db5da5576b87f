#pragma once
// The window's own words: its menus, the log panel, the file dialogs and
// the batch dialog.

namespace capset {

// The main window's menus, the log panel and the export's file dialog.
inline constexpr char kFileMenu[] = "文件(&F)";
inline constexpr char kExportItem[] = "导出结果(&E)…";
inline constexpr char kOpenJobItem[] = "打开作业(&O)…";
inline constexpr char kSaveJobItem[] = "保存作业(&S)";
inline constexpr char kSaveJobAsItem[] = "另存为(&A)…";
inline constexpr char kRecentJobsMenu[] = "最近的作业(&R)";
inline constexpr char kNoRecentJobs[] = "（没有）";
inline constexpr char kOpenJobTitle[] = "打开作业";
inline constexpr char kSaveJobTitle[] = "保存作业";
inline constexpr char kJobFileName[] = "作业.capjob";
// The title's name for a job typed but not saved to a file yet.
inline constexpr char kUnsavedJob[] = "未保存的作业";
inline constexpr char kJobFilter[] = "作业文件 (*.capjob)";
inline constexpr char kQuitItem[] = "退出(&X)";
inline constexpr char kComputeMenu[] = "计算(&C)";
inline constexpr char kStartItem[] = "开始(&S)";
inline constexpr char kComputeItem[] = "计算(&C)";
inline constexpr char kBatchItem[] = "批量计算(&B)…";
inline constexpr char kViewMenu[] = "查看(&V)";
inline constexpr char kLogItem[] = "结果记录(&L)";
inline constexpr char kHelpMenu[] = "帮助(&H)";
inline constexpr char kUsageItem[] = "使用说明(&U)";
inline constexpr char kAboutItem[] = "关于(&A)";
inline constexpr char kLogTitle[] = "结果记录";
inline constexpr char kCopyItem[] = "复制";
inline constexpr char kDeleteItem[] = "删除";
inline constexpr char kUndoDeleteItem[] = "撤销删除";
inline constexpr char kExportTitle[] = "导出结果";  // then the separator and what it writes
inline constexpr char kExportFileName[] = "盖梁结果.csv";
inline constexpr char kCsvFilter[] = "CSV 文件 (*.csv)";
inline constexpr char kDatFilter[] = "CASS 点文件 (*.dat)";

// The batch dialog; its window title is the program's, then the separator,
// then its own.
inline constexpr char kBatchTitle[] = "批量计算";
inline constexpr char kTitleSeparator[] = " — ";
inline constexpr char kAxisLabel[] = "盖梁横轴：";
inline constexpr char kParallelAxis[] = "与设计盖梁平行（在 Kj 处与中线成交角 B，与“计算”相同）";
inline constexpr char kOwnAxis[] = "各盖梁在本身桩号处与中线成交角 B（Kj = Kp）";
inline constexpr char kDRLabel[] = "中线至路基边缘宽度 DR（米）：";
inline constexpr char kPrecisionLabel[] = "计算精度（度）：";
inline constexpr char kOffsetsLabel[] = "轴线上的点（距中桩，米，向外侧为正，以空格分开）：";
inline constexpr char kOffsetsHint[] = "例如 -3.5 3.5（可不填）";
inline constexpr char kStationsLabel[] = "盖梁中桩桩号 Kp（正交盖梁为设计桩号 Kj），每行一个，名称可写在桩号前：";
inline constexpr char kStationsHint[] = "每行一个盖梁，名称可写在桩号前，例如：\n1# K12+400\n2# K12+420\n12440";
// The method and the exact method's fields.
inline constexpr char kMethodLabel[] = "计算方法：";
inline constexpr char kExactMethod[] = "精确（在道路上：直线、缓和曲线、圆曲线均可）";
inline constexpr char kWindowMethod[] = "按窗口公式（只在一段缓和曲线上，与“计算”相同）";
inline constexpr char kLeftDRLabel[] = "左幅 DR（中线至左侧路基边缘，米）：";
inline constexpr char kRightDRLabel[] = "右幅 DR（中线至右侧路基边缘，米）：";
inline constexpr char kRightDRHint[] = "与左幅相同时可不填";
inline constexpr char kSkewLabel[] = "交角 B（度.分秒）：";
inline constexpr char kDesignLabel[] = "设计中桩桩号 Kj：";
// The default a blank B or Kj takes, shown in its box.
inline constexpr char kDefaultFromStart[] = "不填则用“开 始”中的 ";
inline constexpr char kNoDefault[] = "须填写（没有“开 始”的作业）";
inline constexpr char kExactOffsetsLabel[] = "轴线上的点（距中桩，米，精确计算向右侧为正，按窗口公式向外侧为正，以空格分开）：";
inline constexpr char kBatchRun[] = "计算";
inline constexpr char kBatchCancel[] = "取消";

}  // namespace capset
