#include "html/CompositeHtml.h"

#include "platform/File.h"
#include "songtext/AssembleComposite.h"

namespace {

constexpr const char* kSeparator = "<br><hr><br>\n";
constexpr const char* kTrailer = "</pre>\n</body>\n</html>\n";

bool Contains(const std::string& line, const char* marker) { return line.find(marker) != std::string::npos; }

// Which lines of a page are copied, as a small state machine over the page's lines.
class LineSelection {
 public:
  LineSelection(bool suppliesHead, bool twoColumns)
      : suppliesHead_(suppliesHead), twoColumns_(twoColumns), copying_(suppliesHead) {}

  // True when `line` is copied; Done() tells when no later line will be.
  bool Take(const std::string& line) {
    if (done_) return false;
    if (!copying_) {
      if (twoColumns_ && Contains(line, "<table")) {
        copying_ = true;
      } else {
        if (!twoColumns_ && Contains(line, "<pre")) copying_ = true;  // the "<pre" line itself stays out
        return false;
      }
    }
    if (twoColumns_) {
      if (Contains(line, suppliesHead_ ? "</table" : "</table>")) done_ = true;
      return true;
    }
    if (Contains(line, "</pre>")) {
      done_ = true;
      return false;
    }
    return true;
  }
  bool Done() const { return done_; }

 private:
  bool suppliesHead_;
  bool twoColumns_;
  bool copying_;
  bool done_ = false;
};

}  // namespace

AppendOutcome AppendPageToComposite(const std::string& pagePath, bool suppliesHead, bool twoColumns,
                                    TextModeWriter& composite) {
  TextModeReader page;
  if (page.Open(pagePath) != 0) {
    return platform::PathExists(pagePath) ? AppendOutcome::ReadFailed : AppendOutcome::Skipped;
  }
  LineSelection selection(suppliesHead, twoColumns);
  std::string line;
  while (!selection.Done() && page.ReadString(line)) {
    if (selection.Take(line) && composite.WriteString(line + "\n") != 0) return AppendOutcome::WriteFailed;
  }
  if (page.ReadFailed()) return AppendOutcome::ReadFailed;
  if (twoColumns && composite.WriteString(kSeparator) != 0) return AppendOutcome::WriteFailed;
  return AppendOutcome::Appended;
}

int WriteCompositeHtml(const std::string& setListPath, const std::string& folder, const std::string& compositePath,
                       bool twoColumns) {
  auto append = [twoColumns](const std::string& pagePath, bool suppliesHead, TextModeWriter& composite) {
    return AppendPageToComposite(pagePath, suppliesHead, twoColumns, composite);
  };
  return AssembleComposite(setListPath, folder, compositePath,
                           CompositeKind{"html", "Error opening html file %s for write.", kTrailer, append});
}
