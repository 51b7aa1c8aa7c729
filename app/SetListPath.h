#pragma once
// Where the dialog's set list lies and what the documents made from it are called.
#include <functional>
#include <string>

class CMelvaneDlg;

// The set list is the selected song's folder + "/" + the Set List Name + ".txt"; the document
// base name, returned, is the Set List Name followed by the Append text (the composites add
// ".rtf" or ".html"). Reads setListName, appendText and songPath as they are: the caller has
// run UpdateData. With no Set List Name it shows "Enter a Set List Name", leaves `setListPath`
// as it was and returns an empty base name; callers start with an empty path and stop when it
// is still empty. With no song selected the folder is empty, so the set list is looked for at
// the root.
std::string GetSetListPath(const CMelvaneDlg& dialog, std::string& setListPath);

// The songs of the dialog's set list, in order: for each entry the song path folder + "/" +
// the entry with the extension "txt" goes to `eachSong`, whatever became of the one before.
// Shows "Enter a Set List Name" with no name (GetSetListPath), and "Error opening set list
// file %s for read." when the set list cannot be opened or its reading breaks off half-way
// (a list cut short must not pass for a shorter list). Reads the members as they are.
void ForEachSetListSong(const CMelvaneDlg& dialog,
                        const std::function<void(const std::string& songPath)>& eachSong);
