#pragma once
// The fixed layout of the window, as data: one row a control, one row a red
// line. Form1 creates its widgets from these tables in one loop, so the
// tables read side by side with the drawing of the form they come from.
//
// Positions are twips (1/1440 inch) from the top-left corner of the client
// area. At 96 dpi 15 twips make one pixel, and every coordinate in the tables
// is a multiple of 15, so twips / 15 is an exact logical pixel; Qt scales
// logical pixels on high-DPI screens and the proportions stay.
//
// This file knows nothing of Qt: the tables are plain values.

#include <span>

namespace capset {

inline constexpr int kTwipsPerPixel = 15;

constexpr int TwipsToPixels(int twips) { return twips / kTwipsPerPixel; }

enum class ControlKind { kBox, kLabel, kButton };

// The three fonts of the form: "MS Sans Serif" / "Microsoft Sans Serif"
// 8.25 pt bold, the same at 12 pt, and the heading in "宋体" 15 pt bold.
enum class FontRole { kSmallSans, kLargeSans, kHeadingSerif };

struct TwipRect {
  int left;
  int top;
  int width;
  int height;
};

struct ControlRow {
  const char* name;     // object name: "Text1", "Label2", "Command1"
  ControlKind kind;
  const char* caption;  // UTF-8; empty for boxes, which start empty
  TwipRect rect;
  int tabIndex;        // labels keep theirs but take no focus
  FontRole font;
};

struct LineRow {
  const char* name;  // "Line1" ... "Line7"
  int x1, y1, x2, y2;  // twips
  int widthPx;      // pen width in logical pixels
};

// The 26 boxes, 29 labels and 3 buttons.
std::span<const ControlRow> Form1Controls();

// The frame and the three band separators.
std::span<const LineRow> Form1Lines();

// The client area: the layout reaches x = 12960 (the frame's right edge) and
// y = 9360 + 495 (the bottom of the buttons); a margin of 360 twips (a quarter
// inch) keeps the frame and the buttons off the window border.
inline constexpr int kClientWidthTwips = 12960 + 360;
inline constexpr int kClientHeightTwips = 9360 + 495 + 360;

// What a Compute writes and what the user clicks next: the result band's
// captions and boxes (band 4, from Label27 down, Label22 to Text16 across)
// and the three buttons below it. The window keeps it in view after a
// Compute, whatever the size of the screen.
inline constexpr TwipRect kResultsAndButtons{2580, 6900, 12075 - 2580, 9915 - 6900};

// The plan sketch: band 2, between the red separators at y = 3120 and 6120
// and inside the frame, clear of the lines' widths.
inline constexpr TwipRect kSketchBand{1350, 3150, 11580, 2955};

}  // namespace capset
