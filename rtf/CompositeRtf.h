#pragma once
// The composite Word document of a set list: the songs' own documents joined into one, a song
// a page, in the order of the list. It copies the documents that the RTF writer made; it
// formats nothing itself. Written with CR LF line ends, directly (no temporary file: it is
// made again from the song documents at any time).
#include <string>

#include "songtext/SetList.h"
#include "songtext/TextModeFile.h"

// Copies one song document into the open composite. The document that supplies the head is
// copied whole; any other contributes a "\page" line and its body (the lines after its head).
// Lines beginning with "}" are never copied. A document that cannot be opened is skipped
// without a message; one that is there but cannot be read (to its end) gives ReadFailed.
AppendOutcome AppendSongRtf(const std::string& documentPath, bool suppliesHead, TextModeWriter& composite);

// Builds the composite at `compositePath` from the set list: for each entry the document
// folder + "/" + entry with extension "rtf". The first document that opens supplies the head
// (so a missing first document still gives a whole file), and a listed document that is the
// composite itself is skipped. Ends with one "}".
// Statuses: 0 done; 1 the set list cannot be opened ("Error opening list file %s for read.",
// the composite untouched); 2 the composite cannot be created ("Error opening rtf file %s for
// write."); 3 a write failed ("Error writing to file %s"); 4 a listed document that exists
// could not be read ("Error opening file %s for reading"). A set list whose reading fails
// half-way is reported like one that cannot be opened (status 1).
int WriteCompositeRtf(const std::string& setListPath, const std::string& folder, const std::string& compositePath);
