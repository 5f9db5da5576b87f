#pragma once
// The program's title (kAppTitle, among the window's words) and its names.

#include <QString>

#include "form_texts.h"
#include "window_texts.h"

namespace capset {

// The program's own name: the data folder of its day files is named for it,
// whatever program keeps them (cap_replay keeps them where the program does).
inline constexpr char kProgramName[] = "capset";
// The settings (the window's size and place, the log's, the recent jobs,
// the folder last used) are kept under this organisation, in a file named
// for the application: ~/.config/capset/capset.conf for the program.
inline constexpr char kOrganisationName[] = "capset";
// cap_replay's own settings, kept apart so a script never changes the
// program's recent jobs.
inline constexpr char kReplayApplicationName[] = "cap_replay";

// A window's title: its own name, then the program's, once. The desktop
// adds the program's name (the application's display name) to a title
// that does not already end with it, so a title that began with it would
// name it twice.
inline QString WindowTitle(const char* own) {
  return QString::fromUtf8(own) + QString::fromUtf8(kTitleSeparator) + QString::fromUtf8(kAppTitle);
}

}  // namespace capset
