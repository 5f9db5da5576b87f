#pragma once
// What the road's files say about a profile (纵断面) read with a road or
// written with it. A refused profile never takes the road with it: the road
// comes in, and the message says which element of the file holds the fault.

#include <string>
#include <vector>

namespace capset {

// An element of a file's profile: its name as the file writes it, its line,
// and the 变坡点 row it makes (from 1; 0 for the profile as a whole).
struct ProfileFilePlace {
  std::string element;
  long long line = 0;
  int row = 0;
};

// The file's profile `profile` (its name; may be empty) is not read: the
// elements (one, or the two curves that overlap) and the reason. `kept`:
// the job had a profile, which stays; otherwise the job has none.
std::string LandXmlProfileRefusedMessage(const std::string& file, const std::string& profile,
                                         const std::vector<ProfileFilePlace>& where, const std::string& reason,
                                         bool kept);
// The file gives several design profiles of the alignment: `read` was read,
// `others` were not.
std::string LandXmlOtherProfilesNotice(const std::string& file, const std::string& read,
                                       const std::vector<std::string>& others);
// The file gives no profile and the job has one: it is kept; `problem`,
// when not empty, says why it does not fit the new road.
std::string LandXmlProfileKeptNotice(const std::string& file, const std::string& problem);
// Why a kept profile gives the new road no height: it lies wholly beside it.
std::string ProfileBesideRoadText();
// The job's profile was replaced by the file's, of `rows` 变坡点.
std::string LandXmlProfileReplacedNotice(const std::string& file, const std::string& profile, int rows);
// Why a file's profile must lie within its road's stations, after the
// sentence that names the 变坡点 off them.
inline constexpr char kFileProfileOffItsRoad[] =
    "路线文件中的纵断面须在它所属路线的桩号范围之内，否则文件的桩号与路线的桩号不是一回事，高程会整段错位。";
// Why a profile is not written: the 变坡点 `pvi` (its name) lies in a 长链,
// and the file, which writes a station's number alone, could not say where.
std::string LandXmlStationUnsaidText(const std::string& pvi);
// The road was written without the job's profile, which does not fit it.
std::string LandXmlProfileNotWrittenNotice(const std::string& file, const std::string& reason);

}  // namespace capset
