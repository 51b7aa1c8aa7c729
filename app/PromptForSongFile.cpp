#include "app/PromptForSongFile.h"

#include "platform/File.h"
#include "platform/Messages.h"
#include "songtext/PathHelpers.h"

int PromptForSongFile(platform::CDialog& parent, std::string& path) {
  // An empty file kind gives the filter's text its leading blank: " Files (*.txt)".
  platform::OpenFileRequest request;
  request.filter = platform::FormatText("%s Files (*.%s)", {"", "txt"});
  request.defaultExtension = "txt";
  if (!platform::PathExists(path)) path.clear();
  request.initialPath = path;

  std::string chosen;
  int result = parent.ShowOpenFileDialog(request, chosen);
  if (result == platform::IDOK) path = ReplacePathExtensionWithTxt(chosen);
  return result;
}
