#pragma once
// A template and a bridge typed as lines (the script's @template and
// @bridge blocks), read by one reader of each field, each refused line with
// its reason. Numbers by the user's rules; stations in metres or K form; B
// packed D.MMSS. Blank lines are skipped and counted.
//
// A template's lines
//   point NAME U V [DEPTH]
//   grid NAME ROWS COLS DU DV [U0 V0] [DEPTH]
//   corners NAME LENGTH WIDTH [DEPTH]
//   copy T         every item of template T, here; a later line whose item
//                  has the name of a copied one replaces it where it stands,
//                  so a copy is edited by giving again what differs
// A bridge's lines
//   bent NAME K [skew B] [axis own|parallel K] [dr L [R]] [depth D] [template T]
//                  skew 90 (square) and axis own by default; dr L for both
//                  sides, or L and R; without dr the bent gives no edges

#include <string>
#include <variant>
#include <vector>

#include "bridge.h"
#include "number_rules.h"
#include "substructure.h"

namespace capset {

// A template's or a bridge's own name: one word of UTF-8 text, no control
// characters, at most 64 bytes. Nothing when it is one.
std::optional<BridgeFault> BlockNameFault(const std::string& name);

// The template's items as typed, every problem of its lines (reading, then
// names: CheckTemplatePoints), each with its line and text.
std::variant<SubstructureTemplate, std::vector<BridgeLineProblem>> ReadTemplateLines(
    const std::string& name, const std::vector<std::string>& lines, const NumberSymbols& symbols,
    const TemplateLookup& templates);

// The bridge's bents as typed, every problem of reading its lines. Its
// templates, names and stations are the bridge's check (CheckBridge).
std::variant<Bridge, std::vector<BridgeLineProblem>> ReadBridgeLines(const std::string& name,
                                                                     const std::vector<std::string>& lines,
                                                                     const NumberSymbols& symbols);

}  // namespace capset
