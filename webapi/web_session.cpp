#include "web_session.h"

#include <exception>
#include <new>

#include "web_ops.h"
#include "web_texts.h"

namespace capset {
namespace {

using web::Json;
using web::Request;

const web::OpTable& Ops() {
  static const web::OpTable ops = [] {
    web::OpTable table;
    web::AddStateOps(table);
    web::AddRoadOps(table);
    web::AddBridgeOps(table);
    web::AddJobOps(table);
    web::AddQueryOps(table);
    web::AddHeightsOps(table);
    web::AddPolarOps(table);
    web::AddCheckOps(table);
    web::AddExportOps(table);
    web::AddPlanOps(table);
    web::AddLandXmlOps(table);
    return table;
  }();
  return ops;
}

Json ProblemsJson(const std::vector<web::Problem>& problems) {
  Json list = Json::array();
  for (const web::Problem& p : problems) {
    Json one{{"line", p.line}, {"text", p.text}};
    if (!p.field.empty()) one["field"] = p.field;
    list.push_back(std::move(one));
  }
  return list;
}

// "request": the request could not be read; "internal": the core failed
// on it (a fault of ours, said rather than ending the page).
Json FaultAnswer(const std::string& text, const char* kind = "request") {
  return Json{{"ok", false}, {"fault", kind}, {"problems", ProblemsJson({{0, text, {}}})}};
}

std::string Dump(const Json& answer) {
  // Every text put in came from valid UTF-8 (the request was checked by
  // the parser); replacing is only the last guard against a lone byte.
  return answer.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// The request, parsed with its nesting bounded before any value is built.
std::variant<Request, std::string> Parse(std::string_view text) {
  if (text.size() > WebSession::kMostRequestBytes) return RequestTooBigText(WebSession::kMostRequestBytes);
  bool tooDeep = false;
  const Request::parser_callback_t bound = [&tooDeep](int depth, Request::parse_event_t, Request&) {
    if (depth > WebSession::kMostDepth) tooDeep = true;
    return !tooDeep;
  };
  try {
    Request request = Request::parse(text.begin(), text.end(), bound);
    if (tooDeep) return RequestTooDeepText(WebSession::kMostDepth);
    return request;
  } catch (const Request::parse_error& e) {
    if (tooDeep) return RequestTooDeepText(WebSession::kMostDepth);
    return RequestNotJsonText(e.what());
  }
}

}  // namespace

WebSession::WebSession() : state_(std::make_unique<web::WebState>()) {}
WebSession::~WebSession() = default;

std::string WebSession::Call(std::string_view requestJson) {
  web::WebState& state = *state_;
  state.reporter.Clear();
  state.prompt.Agree(std::nullopt);
  try {
    auto parsed = Parse(requestJson);
    if (const auto* why = std::get_if<std::string>(&parsed)) return Dump(FaultAnswer(*why));
    const Request& request = std::get<Request>(parsed);
    if (!request.is_object()) return Dump(FaultAnswer(kRequestNotObject));
    const auto op = request.find("op");
    if (op == request.end() || !op->is_string()) return Dump(FaultAnswer(kRequestNoOp));
    const auto& name = op->get_ref<const std::string&>();
    const auto handler = Ops().find(name);
    if (handler == Ops().end()) return Dump(FaultAnswer(RequestUnknownOpText(name)));
    Json answer;
    state.rawFields.clear();
    try {
      Json results = handler->second(state, web::Args(request));
      answer = Json{{"ok", true}};
      for (auto& [key, value] : results.items()) answer[key] = std::move(value);
    } catch (const web::Refusal& refusal) {
      state.rawFields.clear();
      answer = Json{{"ok", false}, {"problems", ProblemsJson(refusal.problems)}};
      for (const auto& [key, value] : refusal.details.items()) answer[key] = value;
    }
    state.store.Clear();
    // The document, then the fields the op wrote as text, then the notices.
    std::string text = Dump(answer);
    text.pop_back();
    if (!state.rawFields.empty()) {
      text += ',';
      text += state.rawFields;
    }
    state.rawFields.clear();
    text += ",\"notices\":" + Dump(Json(state.reporter.notices)) + '}';
    return text;
  } catch (const web::RequestFault& fault) {
    state.store.Clear();
    return Dump(FaultAnswer(fault.text));
  } catch (const std::bad_alloc&) {
    state.store.Clear();
    return Dump(FaultAnswer(InternalFaultText("内存不足"), "internal"));
  } catch (const std::exception& e) {
    state.store.Clear();
    return Dump(FaultAnswer(InternalFaultText(e.what()), "internal"));
  }
}

}  // namespace capset
