#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace tandrel::fakes {

// One ordered record of the calls made on all the fakes of a test, so that a test can check
// the order in which the program used different ports.
class CallLog {
 public:
  // Off for benchmarks, so that the fakes cost next to nothing.
  bool enabled = true;

  void Add(std::string call) {
    if (enabled) {
      calls_.push_back(std::move(call));
    }
  }
  const std::vector<std::string>& calls() const { return calls_; }
  void Clear() { calls_.clear(); }

  bool Contains(const std::string& call) const {
    return std::find(calls_.begin(), calls_.end(), call) != calls_.end();
  }
  // Position of the first `call`, or -1.
  int IndexOf(const std::string& call) const {
    auto it = std::find(calls_.begin(), calls_.end(), call);
    return it == calls_.end() ? -1 : static_cast<int>(it - calls_.begin());
  }

 private:
  std::vector<std::string> calls_;
};

}  // namespace tandrel::fakes
