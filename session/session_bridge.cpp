// The session's bridges: templates and bridges kept as typed, checked
// against the templates and the working road when set, solved when asked.

#include <algorithm>

#include "cap_session.h"
#include "ready_templates.h"

namespace capset {
namespace {

// Replaces the element of the same name, or adds it at the end.
template <typename T>
void Keep(std::vector<T>& kept, const T& given) {
  const auto at = std::find_if(kept.begin(), kept.end(), [&](const T& k) { return k.name == given.name; });
  if (at != kept.end()) {
    *at = given;
  } else {
    kept.push_back(given);
  }
}

}  // namespace

std::vector<BridgeLineProblem> CapSession::SetTemplate(const SubstructureTemplate& tmpl) {
  if (FindReadyTemplate(tmpl.name) != nullptr) return {{0, "", {BridgeFault::kReadyName, "", tmpl.name}}};
  std::vector<BridgeLineProblem> problems = CheckTemplatePoints(tmpl);
  if (problems.empty()) {
    Keep(templates_, tmpl);
    TellBridgesChanged();
  }
  return problems;
}

std::vector<BridgeLineProblem> CapSession::SetBridge(const Bridge& bridge) {
  std::vector<BridgeLineProblem> problems = CheckBridge(bridge, TemplateFinder(), WorkingRoad());
  if (problems.empty()) {
    Keep(bridges_, bridge);
    TellBridgesChanged();
  }
  return problems;
}

void CapSession::ReplaceBridges(std::vector<SubstructureTemplate> templates, std::vector<Bridge> bridges) {
  templates_ = std::move(templates);
  bridges_ = std::move(bridges);
  TellBridgesChanged();
}

bool CapSession::RemoveBridge(const std::string& name) {
  const auto at = std::find_if(bridges_.begin(), bridges_.end(), [&](const Bridge& b) { return b.name == name; });
  if (at == bridges_.end()) return false;
  bridges_.erase(at);
  TellBridgesChanged();
  return true;
}

std::vector<std::pair<std::string, std::string>> CapSession::RemoveTemplate(const std::string& name) {
  std::vector<std::pair<std::string, std::string>> users;
  for (const Bridge& bridge : bridges_) {
    for (const Bent& bent : bridge.bents) {
      if (bent.templateName == name) users.emplace_back(bridge.name, bent.name);
    }
  }
  if (!users.empty()) return users;
  const auto at =
      std::find_if(templates_.begin(), templates_.end(), [&](const SubstructureTemplate& t) { return t.name == name; });
  if (at != templates_.end()) {
    templates_.erase(at);
    TellBridgesChanged();
  }
  return users;
}

void CapSession::TellBridgesChanged() {
  for (SessionObserver* o : observers_) o->BridgesChanged();
}

const Bridge* CapSession::FindBridge(const std::string& name) const {
  const auto at = std::find_if(bridges_.begin(), bridges_.end(), [&](const Bridge& b) { return b.name == name; });
  return at != bridges_.end() ? &*at : nullptr;
}

const SubstructureTemplate* CapSession::FindTemplate(const std::string& name) const {
  const auto at =
      std::find_if(templates_.begin(), templates_.end(), [&](const SubstructureTemplate& t) { return t.name == name; });
  return at != templates_.end() ? &*at : FindReadyTemplate(name);
}

TemplateLookup CapSession::TemplateFinder() const {
  return [this](const std::string& name) { return FindTemplate(name); };
}

std::optional<BridgeSolution> CapSession::SolveBridgeNow(const Bridge& bridge) const {
  const Road* road = WorkingRoad();
  if (road == nullptr) return std::nullopt;
  return SolveBridge(bridge, TemplateFinder(), *road, Heights());
}

}  // namespace capset
