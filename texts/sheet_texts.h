#pragma once
// What the printed sheets say: their titles, the lines under them, the
// headings of their tables, their notices, the page's header and footer,
// and why a sheet cannot be printed.

#include <string>

namespace capset {

inline constexpr char kBentSheetTitle[] = "墩台放样记录";
inline constexpr char kBridgeSheetTitle[] = "桥梁墩台汇总";
inline constexpr char kStationSheetTitle[] = "逐桩坐标表";
inline constexpr char kCheckSheetTitle[] = "实测检核报告";

// The page's header and footer.
std::string SheetJobText(const std::string& job);  // "作业：bridge.capjob"
inline constexpr char kUnsavedSheetJob[] = "未保存的作业";
std::string SheetDateText(const std::string& date);  // "打印日期：2026-12-10"
std::string PageNumberText(int page, int pages);    // "第 2 页 共 5 页"
inline constexpr char kSheetProgram[] = "capset 缓和曲线上盖梁坐标计算";

// The lines under a sheet's title.
std::string SheetRoadText(const std::string& first, const std::string& last);  // "道路：K0+000 ～ K2+345.678"
std::string SheetBridgeText(const std::string& bridge, int bents);             // "桥：B1（8 个墩台）"
// "墩台：3　桩号 K1+050　交角 B 90°00′00″　模板 two-col"
std::string SheetBentText(const std::string& bent, const std::string& station, const std::string& skew,
                          const std::string& tmpl);
std::string SheetTableRequestText(const std::string& from, const std::string& to, const std::string& step,
                                  const std::string& offsets);
std::string SheetTableSpanText(const std::string& from, const std::string& to);  // "自 K1+000 至 K1+620"
// "平面限差 10 mm，高程限差 10 mm"
std::string SheetTolerancesText(const std::string& plan, const std::string& height);

// The bent's sheet.
inline constexpr char kBentPlanCaption[] = "平面示意（北向上；中线、路基边缘、盖梁轴线及各点）";
inline constexpr char kBentPointsTitle[] = "放样点坐标";
inline constexpr char kPointNameHeading[] = "点名";
inline constexpr char kPointXHeading[] = "X（m）";
inline constexpr char kPointYHeading[] = "Y（m）";
inline constexpr char kPointHHeading[] = "H（m）";
inline constexpr char kPointStationHeading[] = "桩号";
inline constexpr char kPointOffsetHeading[] = "偏距（m）";
inline constexpr char kSheetNoticesHeading[] = "说明";
inline constexpr char kSheetNoProfile[] = "作业无纵断面：各点未给高程。";
std::string SheetPointOffRoad(const std::string& point);  // its station and offset not given
std::string SheetPointNoHeight(const std::string& point);  // off the profile
inline constexpr char kSheetSetterField[] = "放样人：";
inline constexpr char kSheetCheckerField[] = "复核人：";
inline constexpr char kSheetDateField[] = "日期：";
// The polar set-out data from the instrument station (its columns are
// headed as the station dialog's table, polar_texts.h).
// "测站 S1：X 3000000.000，Y 500000.000，H 100.000，仪器高 1.500" (H and HI only with a height).
std::string SheetStationText(const std::string& name, const std::string& x, const std::string& y,
                             const std::string& height, const std::string& instrumentHeight);
// Where the polar data of an instrument station would stand.
inline constexpr char kSheetNoInstrumentStation[] = "未设测站：本表不含极坐标放样数据。";

// The bridge's summary.
inline constexpr char kBridgeBentsTitle[] = "墩台一览";
inline constexpr char kBentNameHeading[] = "墩台";
inline constexpr char kBentSkewHeading[] = "交角 B";
inline constexpr char kBentCentreXHeading[] = "中心 X（m）";
inline constexpr char kBentCentreYHeading[] = "中心 Y（m）";
inline constexpr char kBentPointCountHeading[] = "点数";
inline constexpr char kBentNotesHeading[] = "说明";
std::string SheetEdgesMissing(int sides);  // "1 侧边点未求得"
inline constexpr char kSeeSheetNotes[] = "未求得，见说明";

// The station table and the check.
inline constexpr char kStationRowsTitle[] = "逐桩坐标";
inline constexpr char kCheckRowsTitle[] = "实测点";
inline constexpr char kSheetOverNote[] = "红色行超限。";

// A table's title on the pages it continues on; the plan's north arrow and scale bar.
inline constexpr char kSheetContinued[] = "（续）";
inline constexpr char kPlanNorth[] = "北";
std::string PlanScaleText(double metres);  // "5 m"

// The window's printing: its menu items, the dialog that chooses the sheet.
inline constexpr char kPrintPreviewItem[] = "打印预览(&V)…";
inline constexpr char kPrintItem[] = "打印(&P)…";
inline constexpr char kPdfItem[] = "导出 PDF(&D)…";
inline constexpr char kSheetDialogTitle[] = "打印放样记录";
inline constexpr char kSheetKindLabel[] = "打印内容：";
inline constexpr char kSheetBridgeLabel[] = "桥：";
inline constexpr char kSheetBentLabel[] = "墩台：";
inline constexpr char kAllBents[] = "全部墩台";
inline constexpr char kPreviewButton[] = "打印预览…";
inline constexpr char kPrintButton[] = "打印…";
inline constexpr char kPdfButton[] = "导出 PDF…";
inline constexpr char kPdfFilter[] = "PDF 文件 (*.pdf)";
inline constexpr char kNoBridgeToPrint[] = "作业中还没有桥：先输入桥梁的墩台，再打印放样记录。";
inline constexpr char kNoTableToPrint[] = "还没有逐桩坐标表：先在“逐桩坐标表”中生成表格，再打印。";
std::string SheetWritten(const std::string& path);  // the status bar, after a PDF is written

// Why a sheet is not printed.
inline constexpr char kPrintUsage[] =
    "@print 的用法：@print bent 桥名 墩台名 文件.pdf；@print bridge 桥名 文件.pdf；"
    "@print table 文件.pdf 起点 终点 间距 [偏距…]；@print check 文件.pdf。";
std::string NoSuchBentText(const std::string& bridge, const std::string& bent);
inline constexpr char kNothingCheckedToPrint[] = "尚无检核结果：先做实测检核，再打印其报告。";
// "表格共 30003 行，超过可打印的 20000 行：请加大间距，或分段打印。"
std::string TooManyRowsToPrint(long long rows, long long most);
std::string SheetNotWritten(const std::string& file, const std::string& reason);
inline constexpr char kSheetPrinterFailed[] = "打印未完成：打印机未能开始打印。";

}  // namespace capset
