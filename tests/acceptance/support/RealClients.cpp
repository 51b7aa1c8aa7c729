#include "RealClients.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace acceptance {
namespace {

// Runs the command through the shell; its standard output, and whether it exited with 0.
bool RunAndRead(const std::string& command, std::string& output) {
  output.clear();
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return false;
  char buffer[65536];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, got);
  return ::pclose(pipe) == 0;
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

// One JSON string starting at `pos` (at its opening quote), as UTF-8; `pos` ends after it.
std::string ParseJsonString(const std::string& json, std::size_t& pos) {
  std::string out;
  ++pos;
  auto hex4 = [&](std::size_t at) {
    return static_cast<char32_t>(std::stoul(json.substr(at, 4), nullptr, 16));
  };
  while (pos < json.size() && json[pos] != '"') {
    char c = json[pos++];
    if (c != '\\') {
      out += c;
      continue;
    }
    char escape = json[pos++];
    switch (escape) {
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      case 'r': out += '\r'; break;
      case 'b': out += '\b'; break;
      case 'f': out += '\f'; break;
      case 'u': {
        char32_t unit = hex4(pos);
        pos += 4;
        if (unit >= 0xD800 && unit < 0xDC00 && json.compare(pos, 2, "\\u") == 0) {
          unit = 0x10000 + ((unit - 0xD800) << 10) + (hex4(pos + 2) - 0xDC00);
          pos += 6;
        }
        AppendUtf8(out, unit);
        break;
      }
      default: out += escape;
    }
  }
  ++pos;
  return out;
}

// A JSON array of strings, as the render script prints it for one page.
std::vector<std::string> ParseJsonStrings(const std::string& json) {
  std::vector<std::string> strings;
  for (std::size_t pos = json.find('"'); pos != std::string::npos; pos = json.find('"', pos)) {
    strings.push_back(ParseJsonString(json, pos));
  }
  return strings;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::vector<std::vector<std::string>> RenderInChromium(const std::vector<std::string>& pages) {
  std::string command =
      "node " + Quoted(testsupport::SourcePath("tests/acceptance/html/render-text.mjs").string());
  for (const std::string& page : pages) command += " " + Quoted(page);
  std::string all;
  bool ran = RunAndRead(command, all);
  EXPECT_TRUE(ran) << "the render script failed (run scripts/install-deps.sh for the browser driver)";
  std::vector<std::vector<std::string>> rendered;
  std::size_t start = 0;
  while (start < all.size()) {
    std::size_t end = all.find('\n', start);
    if (end == std::string::npos) end = all.size();
    rendered.push_back(ParseJsonStrings(all.substr(start, end - start)));
    start = end + 1;
  }
  return rendered;
}

bool ConvertWithLibreOffice(const testsupport::TempFolder& folder, const std::string& filter,
                            const std::string& outputName, const std::vector<std::string>& documents) {
  std::string command = "soffice " + Quoted("-env:UserInstallation=file://" + (folder / "profile")) +
                        " --headless --convert-to " + Quoted(filter) + " --outdir " +
                        Quoted(folder / outputName);
  for (const std::string& document : documents) command += " " + Quoted(document);
  command += " >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

int PdfPageCount(const std::string& pdf) {
  std::string info;
  if (!RunAndRead("pdfinfo " + Quoted(pdf) + " 2>/dev/null", info)) return 0;
  std::size_t at = info.find("\nPages:");
  return at == std::string::npos ? 0 : std::atoi(info.c_str() + at + 7);
}

std::string PdfPageText(const std::string& pdf, int page) {
  std::string text;
  std::string number = std::to_string(page);
  RunAndRead(
      "pdftotext -layout -enc UTF-8 -f " + number + " -l " + number + " " + Quoted(pdf) + " - 2>/dev/null",
      text);
  return text;
}

}  // namespace acceptance
