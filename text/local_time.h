#pragma once
// The time a row was made, as the user's wall clock read it: kept as
// numbers, written late. A row carries it so that two rows of one station
// made on different days, or of different jobs, can be told apart; the day
// file of a row is the file of its date.

#include <functional>
#include <optional>
#include <string>

namespace capset {

struct LocalTime {
  int year = 1970;
  int month = 1;   // 1 to 12
  int day = 1;     // 1 to 31
  int hour = 0;    // 0 to 23
  int minute = 0;
  int second = 0;  // 0 to 60 (a leap second)

  bool operator==(const LocalTime&) const = default;
};

// What the clock says now; the system's local time unless a fixed clock is
// given (a script that must print the same rows every time).
using Clock = std::function<LocalTime()>;
LocalTime SystemLocalTime();

// "2026-03-01 09:30:05", as a spreadsheet reads a date and time.
std::string DateTimeText(const LocalTime& time);
// "2026-03-01": the day file's name.
std::string DateText(const LocalTime& time);

// "2026-03-01 09:30:05" (or "2026-03-01T09:30:05") read back; nothing when
// the text is not such a time or names no real day.
std::optional<LocalTime> ReadDateTime(const std::string& text);

}  // namespace capset
