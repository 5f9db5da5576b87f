#include "look.h"

#include <QStringList>

namespace capset {
namespace {

// WenQuanYi Micro Hei comes first for the sans roles because its line is
// 13 px at 11 px: two caption lines fill a 25 px label (375 twips) with only
// the empty bottom row of the descent cut. Noto Sans CJK needs 16 px a line
// and would lose half the second line. The menus, the log and the dialogs
// speak Chinese in the same face: it reads the same, and the window does
// not load a second CJK font before it can show itself.
const QStringList kSans{"WenQuanYi Micro Hei", "Noto Sans CJK SC"};
const QStringList kSerif{"Noto Serif CJK SC", "WenQuanYi Micro Hei"};

QFont Font(const QStringList& families, int pixels) {
  QFont font;
  font.setFamilies(families);
  font.setPixelSize(pixels);
  return font;
}

}  // namespace

// Near equivalents of the form's Windows fonts, sized in pixels so that the
// text keeps its place in the twip rectangles whatever the screen's dpi:
// 8.25 pt is 11 px at 96 dpi, 12 pt is 16 px, 15 pt is 20 px.
QFont FormFont(FontRole role) {
  QFont font;
  switch (role) {
    case FontRole::kSmallSans: font = Font(kSans, 11); break;
    case FontRole::kLargeSans: font = Font(kSans, 16); break;
    case FontRole::kHeadingSerif: font = Font(kSerif, 20); break;
  }
  font.setBold(true);
  return font;
}

// The captions' blanks were set for ideographs 12 px wide. At 11 px an
// ideograph is 11 px, and then a caption such as "   缓和曲线          起点 ..."
// pulls the first ideograph of its second phrase up onto the first line.
// One pixel of tracking restores the 12 px pitch, and every caption breaks
// at its run of blanks again.
QFont CaptionFont(FontRole role) {
  QFont font = FormFont(role);
  if (role == FontRole::kSmallSans) font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
  return font;
}

QFont PlainFont(int pixels) { return Font(kSans, pixels); }

}  // namespace capset
