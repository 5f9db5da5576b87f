// The browser module's one entry: a JSON request in, its JSON answer out,
// both UTF-8. The answer belongs to the module and stays valid until the
// next call, which is what cwrap's 'string' return needs (it copies the text
// into a JavaScript string at once).

#include <string>

#include "web_session.h"

namespace {

capset::WebSession& Session() {
  static capset::WebSession session;
  return session;
}

std::string& LastAnswer() {
  static std::string answer;
  return answer;
}

}  // namespace

extern "C" const char* capset_call(const char* request) {
  LastAnswer() = Session().Call(request == nullptr ? std::string_view() : std::string_view(request));
  return LastAnswer().c_str();
}
