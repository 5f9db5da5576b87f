#pragma once
// The boxes as the dialogue last wrote them. Every box write passes
// through here on its way to the window, so a Start that is cancelled can
// put back exactly what the boxes showed before it, without reading the
// window.

#include <array>
#include <string>

#include "boxes.h"
#include "seam.h"

namespace capset {

class BoxMirror : public BoxWriter {
 public:
  using Texts = std::array<std::string, kBoxCount>;  // [0] is Text1

  explicit BoxMirror(BoxWriter& window) : window_(window) {}

  void WriteBox(int number, const std::string& text) override {
    texts_.at(number - 1) = text;
    window_.WriteBox(number, text);
  }
  const Texts& Shown() const { return texts_; }

  // Writes back every box whose text differs from `before`.
  void Restore(const Texts& before) {
    for (int number = 1; number <= kBoxCount; ++number) {
      if (texts_[number - 1] != before[number - 1]) WriteBox(number, before[number - 1]);
    }
  }

 private:
  BoxWriter& window_;
  Texts texts_{};
};

}  // namespace capset
