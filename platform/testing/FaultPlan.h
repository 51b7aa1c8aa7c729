#pragma once
// Makes chosen file operations fail, for as long as the plan lives: "the 2nd write fails",
// "every copy onto *.bak fails", "the 1st write stops after 10 bytes". Operations are counted
// from the plan's creation, per kind; a rule may be limited to paths ending in a suffix.
#include <cerrno>
#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "platform/FileFaults.h"

namespace platform::testing {

class FaultPlan : public FileFaultHook {
 public:
  FaultPlan();
  ~FaultPlan() override;
  FaultPlan(const FaultPlan&) = delete;
  FaultPlan& operator=(const FaultPlan&) = delete;

  // The nth (from 1) operation of this kind fails with `error`.
  FaultPlan& FailNth(FileOperation operation, int nth, int error = EIO);
  // Every operation of this kind on a path ending in `suffix` fails with `error`.
  FaultPlan& FailEvery(FileOperation operation, std::string suffix, int error = EIO);
  // The nth write writes only `bytes` bytes, then fails as a full disk does.
  FaultPlan& ShortNthWrite(int nth, std::size_t bytes);

  // How many operations of this kind were seen (counting failed ones).
  int Count(FileOperation operation) const;

  int Before(FileOperation operation, std::string_view path, std::size_t* allowedBytes) override;

 private:
  struct Rule {
    FileOperation operation;
    int nth;             // 0: every matching operation
    std::string suffix;  // with nth 0
    int error;
    std::size_t shortBytes;
    bool isShortWrite;
  };
  std::vector<Rule> rules_;
  std::map<FileOperation, int> counts_;
  FileFaultHook* previous_;
};

}  // namespace platform::testing
