#pragma once
// The polar set-out data of a bent's points as columns of its sheet: from
// the session's instrument station and backsight, when both are set.

#include <optional>
#include <vector>

#include "bridge_solve.h"
#include "cap_session.h"
#include "set_out_sheets.h"

namespace capset {

// None without a station or a backsight, or when the backsight's point lies
// on the station (it gives no direction): the sheet then says no station is set.
std::optional<PolarColumns> SessionPolarColumns(const CapSession& session, const std::vector<BridgePoint>& points);

}  // namespace capset
