#pragma once
// Help: how to use the program, and what it is.

#include <string>

namespace capset {

// The help window's page (rich text): a first job worked through, what the
// answers mean on the ground (with the terms figure, `figure` its image's
// name), the cap on the HZ-end spiral, outer and inner, the batch and the
// files, with the folder of the day files.
std::string UsageHtml(const std::string& figure, const std::string& journalFolder);
// The help window's title, after the program's.
inline constexpr char kUsageTitle[] = "使用说明";

// 关于: the version, the licence and where the day files are.
std::string AboutText(const std::string& version, const std::string& journalFolder);
// The terms under which the program is given.
inline constexpr char kLicenceText[] =
    "本程序以 MIT 许可证发布：任何人都可以免费使用、复制、修改和分发，须保留版权与许可声明；"
    "本程序按“原样”提供，不作任何担保。计算结果用于施工放样前，请按规范复核。";

}  // namespace capset
