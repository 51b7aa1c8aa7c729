// Set lists and composites over arbitrary set lists and documents. Properties: entries never
// hold a line end or a '\'; both composites end as they must and hold only CR LF line ends.
#include <string>

#include "FuzzSupport.h"
#include "html/CompositeHtml.h"
#include "rtf/CompositeRtf.h"
#include "songtext/SetList.h"

namespace {

bool OnlyCrLfLineEnds(const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzsupport::SilenceUserMessages();
  std::string bytes(reinterpret_cast<const char*>(data), size);
  // The input is a set list, then (after the first NUL) a document every entry may name.
  std::size_t split = bytes.find('\0');
  std::string setList = bytes.substr(0, split);
  std::string document = split == std::string::npos ? std::string("{\\rtf1\n\nG\\line\n}") : bytes.substr(split + 1);

  std::string listPath = fuzzsupport::WriteInput("list.txt", setList);
  fuzzsupport::WriteInput("a.rtf", document);
  fuzzsupport::WriteInput("a.html", document);

  SetListReader reader;
  fuzzsupport::Require(reader.Open(listPath) == 0, "the set list opens");
  std::string entry;
  while (reader.NextEntry(entry)) {
    fuzzsupport::Require(entry.find('\n') == std::string::npos && entry.find('\\') == std::string::npos,
                         "an entry holds no line feed and no backslash");
  }

  const std::string& folder = fuzzsupport::WorkFolder();
  if (WriteCompositeRtf(listPath, folder, folder + "/list.rtf") == 0) {
    std::string composite = fuzzsupport::ReadBack(folder + "/list.rtf");
    fuzzsupport::Require(!composite.empty() && composite.back() == '}', "the composite RTF ends with }");
    fuzzsupport::Require(OnlyCrLfLineEnds(composite), "the composite RTF has CR LF line ends");
  }
  if (WriteCompositeHtml(listPath, folder, folder + "/list.html", (size & 1) != 0) == 0) {
    std::string composite = fuzzsupport::ReadBack(folder + "/list.html");
    const std::string trailer = "</pre>\r\n</body>\r\n</html>\r\n";
    fuzzsupport::Require(composite.size() >= trailer.size() &&
                             composite.compare(composite.size() - trailer.size(), trailer.size(), trailer) == 0,
                         "the composite page ends with its trailer");
  }
  return 0;
}
