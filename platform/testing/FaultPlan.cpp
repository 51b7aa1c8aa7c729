#include "platform/testing/FaultPlan.h"

namespace platform::testing {

FaultPlan::FaultPlan() : previous_(SetFileFaultHook(this)) {}

FaultPlan::~FaultPlan() { SetFileFaultHook(previous_); }

FaultPlan& FaultPlan::FailNth(FileOperation operation, int nth, int error) {
  rules_.push_back(Rule{operation, nth, {}, error, 0, false});
  return *this;
}

FaultPlan& FaultPlan::FailEvery(FileOperation operation, std::string suffix, int error) {
  rules_.push_back(Rule{operation, 0, std::move(suffix), error, 0, false});
  return *this;
}

FaultPlan& FaultPlan::ShortNthWrite(int nth, std::size_t bytes) {
  rules_.push_back(Rule{FileOperation::Write, nth, {}, 0, bytes, true});
  return *this;
}

int FaultPlan::Count(FileOperation operation) const {
  auto it = counts_.find(operation);
  return it == counts_.end() ? 0 : it->second;
}

int FaultPlan::Before(FileOperation operation, std::string_view path, std::size_t* allowedBytes) {
  int number = ++counts_[operation];
  for (const Rule& rule : rules_) {
    if (rule.operation != operation) continue;
    bool matches = rule.nth != 0 ? rule.nth == number
                                 : path.size() >= rule.suffix.size() &&
                                       path.substr(path.size() - rule.suffix.size()) == rule.suffix;
    if (!matches) continue;
    if (rule.isShortWrite) {
      if (allowedBytes) *allowedBytes = rule.shortBytes;
      return 0;
    }
    return rule.error;
  }
  return 0;
}

}  // namespace platform::testing
