#pragma once
// The job fields that Start asks for, by name: the keys of its typed
// answers (typed_start.h) and of a job file's "start" section.

namespace capset::start_fields {

inline constexpr char kKZH[] = "KZH";
inline constexpr char kKHZ[] = "KHZ";
inline constexpr char kX[] = "X";
inline constexpr char kY[] = "Y";
inline constexpr char kT[] = "T";
inline constexpr char kR[] = "R";
inline constexpr char kA1[] = "A1";
inline constexpr char kKj[] = "Kj";
inline constexpr char kB[] = "B";
inline constexpr char kP[] = "P";

// In the order Start asks them.
inline constexpr const char* kInOrder[] = {kKZH, kKHZ, kX, kY, kT, kR, kA1, kKj, kB, kP};

}  // namespace capset::start_fields
