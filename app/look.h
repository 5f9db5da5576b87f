#pragma once
// The program's face, in one place: the fonts of the form and of everything
// around it, and the colours of the form and of the plan sketch.

#include <QColor>
#include <QFont>

#include "form1_layout.h"

namespace capset {

// The form's three fonts (form1_layout.h), bold as the form's are.
QFont FormFont(FontRole role);
// A label's caption: the form's font, tracked so that captions break where
// their blanks say.
QFont CaptionFont(FontRole role);
// The menus, the log, the dialogs and the sketch's words: the form's face,
// plain, at `pixels`.
QFont PlainFont(int pixels);

// Light cyan of the window and of every label, and the red of its lines.
inline const QColor kFormBackground{192, 255, 255};
inline const QColor kFormLines{255, 0, 0};

// The plan sketch.
inline const QColor kSketchRoad{200, 0, 0};       // centreline, the straight, the centre, warnings
inline const QColor kSketchAxis{0, 110, 0};
inline const QColor kSketchEdgePoint{0, 0, 190};
inline const QColor kSketchOrigin{140, 0, 140};   // ZH or HZ, HY or YH, the arrow to an origin out of view
inline const QColor kSketchInk{0, 0, 0};
inline const QColor kSketchNoteGround{255, 255, 255, 190};
inline const QColor kSketchCaptionGround{255, 236, 150};  // the caption of a cap chosen in the log
inline const QColor kSketchMeasured{0, 120, 200};         // a measured point within the tolerance
inline const QColor kCheckOverColour{220, 0, 0};               // beyond it: in the sketch and the check's table

}  // namespace capset
