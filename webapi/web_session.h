#pragma once
// The core for a web page: one session of the program, driven by JSON
// requests ({"op": name, ...arguments}) and answering JSON, numbers as
// numbers and, beside those the page shows, the texts the desktop shows.
// An answer is always an object with "ok": true with the results and the
// notices, or false with the problems (nothing in the session changed),
// and "fault": "request" when the request itself could not be read.

#include <memory>
#include <string>
#include <string_view>

namespace capset {

namespace web {
struct WebState;
}

class WebSession {
 public:
  WebSession();
  ~WebSession();
  WebSession(const WebSession&) = delete;
  WebSession& operator=(const WebSession&) = delete;

  // Never throws: whatever goes wrong is an answer.
  std::string Call(std::string_view requestJson);

  // A request bigger than this is refused unread (a LandXML file of a long
  // road with its terrain is the biggest thing a page sends).
  static constexpr std::size_t kMostRequestBytes = 64u << 20;
  // Arguments nest two deep; anything deeper than this is no request.
  static constexpr int kMostDepth = 16;

 private:
  std::unique_ptr<web::WebState> state_;
};

}  // namespace capset
