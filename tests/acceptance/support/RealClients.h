#pragma once
// The real clients of Melvane's documents, run from the acceptance tests: headless Chromium
// renders pages (render-text.mjs beside the page tests), LibreOffice converts Word documents,
// and poppler's tools read the PDF files LibreOffice makes. Each is one process per call.
#include <string>
#include <vector>

#include "TestFiles.h"

namespace acceptance {

// Appends the code point as UTF-8.
void AppendUtf8(std::string& out, char32_t c);

// For each page, in the order given: the text Chromium shows (document.body.innerText), then
// the text of each of its <pre> blocks. Fails the running test when the browser did not run.
std::vector<std::vector<std::string>> RenderInChromium(const std::vector<std::string>& pages);

// Converts every document with LibreOffice in one run into `folder`/`outputName`, with a
// profile of its own in `folder`. `filter` as --convert-to takes it ("pdf",
// "txt:Text (encoded):UTF8"). Returns whether the conversion ran.
bool ConvertWithLibreOffice(const testsupport::TempFolder& folder, const std::string& filter,
                            const std::string& outputName, const std::vector<std::string>& documents);

// The number of pages of a PDF file (pdfinfo); 0 when it cannot be read.
int PdfPageCount(const std::string& pdf);
// The text of one page of a PDF file, counted from 1, as laid out on the page (pdftotext
// -layout, UTF-8: the plain reading order may run a line into the next).
std::string PdfPageText(const std::string& pdf, int page);

}  // namespace acceptance
