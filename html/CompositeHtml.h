#pragma once
// The composite web page of a set list: the songs' own pages joined into one, in the order of
// the list. Lines are chosen by the markers the page writer puts in every page ("<table",
// "</table", "<pre", "</pre>"); nothing is formatted here. Written with CR LF line ends,
// directly (it is made again from the song pages at any time).
#include <string>

#include "songtext/SetList.h"
#include "songtext/TextModeFile.h"

// Copies the chosen lines of one song page into the open composite. The page that supplies the
// head is copied from its first line; any other from its table (two columns) or the line after
// its "<pre" (one column). In two-column mode each song is followed by "<br><hr><br>". A page
// that does not exist is skipped without a message, separator included; one that is there but
// cannot be read (to its end) gives ReadFailed.
AppendOutcome AppendPageToComposite(const std::string& pagePath, bool suppliesHead, bool twoColumns,
                                    TextModeWriter& composite);

// Builds the composite at `compositePath` from the set list: for each entry the page folder +
// "/" + entry with extension "html". The first page that opens supplies the head, and a listed
// page that is the composite itself is skipped. Ends with "</pre>", "</body>", "</html>".
// Statuses: 0 done; 1 the set list cannot be opened ("Error opening list file %s for read.",
// the composite untouched); 2 the composite cannot be created ("Error opening html file %s for
// write."); 3 a write failed ("Error writing to file %s"); 4 a listed document that exists
// could not be read ("Error opening file %s for reading"). A set list whose reading fails
// half-way is reported like one that cannot be opened (status 1).
int WriteCompositeHtml(const std::string& setListPath, const std::string& folder, const std::string& compositePath,
                       bool twoColumns);
