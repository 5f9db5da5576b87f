#pragma once
// A message box never taller than the screen: a long message (the bad lines
// of a point file, the names a file shares) is shown in a scrolling pane
// inside the box, so its buttons stay on the screen.

#include <QMessageBox>

namespace capset {

// Shows `message` in `box`: as its text when it fits in about half the
// screen's height, else the whole message in a scrolling pane of that height.
void SetFittedText(QMessageBox& box, const QString& message);

// A box of the icon with the program's title and an OK button, fitted, shown modal.
void ShowFittedMessage(QWidget* parent, QMessageBox::Icon icon, const QString& message);

}  // namespace capset
