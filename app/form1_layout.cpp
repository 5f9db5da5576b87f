#include "form1_layout.h"

#include <array>

#include "form_texts.h"
#include "sketch_scene.h"

namespace capset {
namespace {

using enum ControlKind;
using enum FontRole;

// Rows grouped as the form lists them: boxes, labels, buttons. The captions
// are in form_texts.h, named for what they label.
constexpr std::array kControls = std::to_array<ControlRow>({
    {"Text1", kBox, "", {4680, 1170, 1695, 285}, 1, kSmallSans},
    {"Text2", kBox, "", {8400, 1170, 1695, 285}, 2, kSmallSans},
    {"Text3", kBox, "", {4680, 1650, 1575, 285}, 3, kSmallSans},
    {"Text4", kBox, "", {8400, 1650, 1575, 285}, 7, kSmallSans},
    {"Text5", kBox, "", {4680, 2130, 1575, 285}, 9, kSmallSans},
    {"Text6", kBox, "", {8400, 2130, 1575, 285}, 11, kSmallSans},
    {"Text7", kBox, "", {4680, 2610, 1575, 285}, 16, kSmallSans},
    {"Text8", kBox, "", {8400, 2610, 1575, 285}, 17, kSmallSans},
    {"Text9", kBox, "", {2160, 6330, 1335, 285}, 18, kSmallSans},
    {"Text10", kBox, "", {7200, 6330, 975, 285}, 19, kSmallSans},
    {"Text11", kBox, "", {11280, 6330, 1455, 285}, 22, kSmallSans},
    {"Text12", kBox, "", {9480, 6330, 615, 285}, 24, kSmallSans},
    {"Text13", kBox, "", {4320, 7410, 1575, 285}, 26, kSmallSans},
    {"Text14", kBox, "", {6120, 8250, 1455, 285}, 28, kSmallSans},
    {"Text15", kBox, "", {8520, 8250, 1455, 285}, 29, kSmallSans},
    {"Text16", kBox, "", {10920, 8250, 1095, 285}, 30, kSmallSans},
    {"Text17", kBox, "", {6120, 8730, 1455, 285}, 31, kSmallSans},
    {"Text18", kBox, "", {8520, 8730, 1455, 285}, 32, kSmallSans},
    {"Text19", kBox, "", {10920, 8715, 1095, 285}, 33, kSmallSans},
    {"Text20", kBox, "", {3600, 8280, 1575, 285}, 43, kSmallSans},
    {"Text21", kBox, "", {3600, 8760, 1575, 285}, 44, kSmallSans},
    {"Text22", kBox, "", {4800, 6360, 1485, 285}, 47, kSmallSans},
    {"Text23", kBox, "", {6960, 7440, 1455, 285}, 49, kSmallSans},
    {"Text24", kBox, "", {9480, 7440, 1455, 285}, 50, kSmallSans},
    {"Text25", kBox, "", {10560, 2640, 1335, 285}, 54, kSmallSans},
    {"Text26", kBox, "", {10320, 1680, 1695, 285}, 56, kSmallSans},

    {"Label1", kLabel, kAppTitle, {5040, 360, 4455, 375}, 0, kHeadingSerif},
    {"Label2", kLabel, kZHStationCaption, {3240, 1080, 1455, 375}, 4, kSmallSans},
    {"Label3", kLabel, kHZStationCaption, {6960, 1080, 1455, 375}, 5, kSmallSans},
    {"Label4", kLabel, kZHAzimuthCaption, {2880, 2520, 1815, 375}, 6, kSmallSans},
    {"Label5", kLabel, kHZAzimuthCaption, {6600, 2520, 1815, 375}, 8, kSmallSans},
    {"Label6", kLabel, kRadiusCaption, {1440, 6240, 735, 375}, 10, kSmallSans},
    {"Label7", kLabel, kZHXCaption, {2880, 1560, 1815, 375}, 12, kSmallSans},
    {"Label8", kLabel, kHZXCaption, {6720, 1560, 1695, 375}, 13, kSmallSans},
    {"Label9", kLabel, kZHYCaption, {2880, 2040, 1695, 375}, 14, kSmallSans},
    {"Label10", kLabel, kHZYCaption, {6600, 2040, 1815, 375}, 15, kSmallSans},
    {"Label11", kLabel, kCentreStationCaption, {2880, 7440, 1455, 255}, 20, kSmallSans},
    {"Label12", kLabel, kDRCaption, {6360, 6240, 855, 375}, 21, kSmallSans},
    {"Label13", kLabel, kSkewCaption, {10200, 6240, 1095, 375}, 23, kSmallSans},
    {"Label14", kLabel, kEdgesHeading, {5520, 7800, 4095, 255}, 25, kLargeSans},
    {"Label15", kLabel, kDeflectionCaption, {8280, 6240, 1215, 375}, 27, kSmallSans},
    {"Label16", kLabel, kOuterXCaption, {5280, 8160, 855, 375}, 37, kSmallSans},
    {"Label17", kLabel, kOuterYCaption, {7680, 8160, 855, 375}, 38, kSmallSans},
    {"Label18", kLabel, kOuterLengthCaption, {10080, 8160, 855, 375}, 39, kSmallSans},
    {"Label19", kLabel, kInnerXCaption, {5280, 8640, 855, 375}, 40, kSmallSans},
    {"Label20", kLabel, kInnerYCaption, {7680, 8640, 855, 375}, 41, kSmallSans},
    {"Label21", kLabel, kInnerLengthCaption, {10080, 8640, 855, 375}, 42, kSmallSans},
    {"Label22", kLabel, kOuterStationCaption, {2640, 8160, 975, 375}, 45, kSmallSans},
    {"Label23", kLabel, kInnerStationCaption, {2640, 8640, 975, 375}, 46, kSmallSans},
    {"Label24", kLabel, kA1Caption, {3600, 6240, 1215, 375}, 48, kSmallSans},
    {"Label25", kLabel, kCentreXCaption, {6240, 7320, 735, 375}, 51, kSmallSans},
    {"Label26", kLabel, kCentreYCaption, {8640, 7320, 855, 375}, 52, kSmallSans},
    {"Label27", kLabel, kCentreHeading, {5640, 6960, 3855, 255}, 53, kLargeSans},
    {"Label28", kLabel, kPrecisionCaption, {10440, 2160, 1575, 375}, 55, kSmallSans},
    {"Label29", kLabel, kDesignStationCaption, {10440, 1200, 1455, 375}, 57, kSmallSans},

    {"Command1", kButton, kStartButton, {5880, 9360, 975, 495}, 34, kSmallSans},
    {"Command2", kButton, kComputeButton, {7320, 9360, 975, 495}, 35, kSmallSans},
    {"Command3", kButton, kEndButton, {8760, 9360, 975, 495}, 36, kSmallSans},
});

// The frame is 3 px wide, the separators of the four bands 2 px.
constexpr std::array kLines = std::to_array<LineRow>({
    {"Line1", 1320, 840, 12960, 840, 3},
    {"Line2", 1320, 840, 1320, 9240, 3},
    {"Line3", 1320, 9240, 12960, 9240, 3},
    {"Line4", 12960, 840, 12960, 9240, 3},
    {"Line5", 1320, 3120, 12960, 3120, 2},
    {"Line6", 1320, 6120, 12960, 6120, 2},
    {"Line7", 1320, 6840, 12960, 6840, 2},
});

static_assert(TwipsToPixels(kSketchBand.width) == kFormBand.width &&
                  TwipsToPixels(kSketchBand.height) == kFormBand.height,
              "the sketch's band is the one the scene is made for");

}  // namespace

std::span<const ControlRow> Form1Controls() { return kControls; }

std::span<const LineRow> Form1Lines() { return kLines; }

}  // namespace capset
