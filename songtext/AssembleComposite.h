#pragma once
// The common course of both composites: read the set list, create the composite, copy each
// entry's document in through the composite's own copier, and close with its trailer.
#include <functional>
#include <string>
#include <string_view>

#include "songtext/SetList.h"
#include "songtext/TextModeFile.h"

struct CompositeKind {
  std::string extension;            // of the entries' documents and of the composite: "rtf"
  std::string_view createFailure;   // the message when the composite cannot be created
  std::string_view trailer;         // written after the last document
  // Copies one document in; `suppliesHead` for the first document that opens.
  std::function<AppendOutcome(const std::string& documentPath, bool suppliesHead, TextModeWriter& composite)> append;
};

// Builds the composite at `compositePath` from the set list: for each entry the document
// folder + "/" + entry with the kind's extension. The first document that opens supplies the
// head (so a missing first document still gives a whole file), and a listed document that is
// the composite itself is skipped.
// Statuses: 0 done; 1 the set list cannot be opened or its reading breaks off ("Error opening
// list file %s for read."; a list that cannot be opened leaves the composite untouched); 2 the
// composite cannot be created (the kind's message); 3 a write failed ("Error writing to file
// %s"); 4 a listed document that exists could not be read ("Error opening file %s for
// reading").
int AssembleComposite(const std::string& setListPath, const std::string& folder, const std::string& compositePath,
                      const CompositeKind& kind);
