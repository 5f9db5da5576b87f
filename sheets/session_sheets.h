#pragma once
// A bent's sheet and a bridge's summary from the session as it stands: the
// bridge solved now on the working road with the job's heights, and the
// bent's polar data from the session's station and backsight; when the
// sheet cannot be made (no road, no such bridge or bent, a bent not placed
// on the road), why, in the user's words.

#include <optional>
#include <string>
#include <variant>

#include "cap_session.h"
#include "set_out_sheets.h"

namespace capset {

std::variant<Sheet, std::string> SessionBentSheet(const CapSession& session, const std::string& bridge,
                                                  const std::string& bent);
std::variant<Sheet, std::string> SessionBridgeSheet(const CapSession& session, const std::string& bridge);

}  // namespace capset
