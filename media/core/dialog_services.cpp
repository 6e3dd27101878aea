// Message boxes, opening documents, and the program's file name and path part.
#include "media/core/core.h"
#include "media/core/system.h"

namespace media {

// The box is modal: the toolkit drops input to the windows it blocks. Input
// queued for them before it appeared (a triple click whose first click asked
// the question) is dropped as well, so it does not act after the answer on a
// game the answer has changed.
int messageBox(std::string_view caption, std::string_view text, int kind) {
  if (kind < BoxErrorOk || kind > BoxWarningYesNo) return 0;
  core::dropQueuedInput();
  return backend::messageBox(caption, text, kind);
}

int openDocument(std::string_view pathOrAddress) {
  if (pathOrAddress.empty()) return 0;
  return backend::openDocument(pathOrAddress) ? 1 : 0;
}

std::string programFileName() { return system::programFileName(); }

std::string pathPart(std::string_view fileName) {
  const std::size_t last = fileName.find_last_of(system::separators);
  return last == std::string_view::npos ? std::string() : std::string(fileName.substr(0, last + 1));
}

char pathSeparator() { return system::separator; }

}  // namespace media
