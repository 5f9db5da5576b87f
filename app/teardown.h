#pragma once
// The end of a window whose views, models or delegates read the window's own
// members (a table, a callback, the session it was given).
//
// QWidget's destructor runs after those members are gone, and only then does
// it hide the window and delete its children: a view asks its model for
// headers and cells once more, an open cell editor hands its text to the
// model, a selection model reports a last change. Each of those would read
// freed memory. So such a window calls TearDownViewsFirst at the start of
// its own destructor, while every member is alive: nothing of the window's
// children calls back into the window any more, then its widgets go (for a
// main window its central widget, which holds every view).

class QWidget;

namespace capset {

void TearDownViewsFirst(QWidget* window);

}  // namespace capset
