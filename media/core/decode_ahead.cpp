// Pictures decoded ahead on one helper thread. The thread only runs the pure
// decoders on bytes the caller keeps alive; the results are handed over on the
// layer's own thread, each once, after the whole batch is done.
#include <algorithm>
#include <future>

#include "media/core/core.h"

namespace media {
namespace {

struct Decoded {
  ImageBytes bytes;
  bool ok = false;
  bool taken = false;
  Image image;
};

std::future<std::vector<Decoded>> running;
std::vector<Decoded> finished;

std::vector<Decoded> decodeAll(std::vector<ImageBytes> pictures) {
  std::vector<Decoded> results;
  results.reserve(pictures.size());
  for (const ImageBytes& bytes : pictures) {
    Decoded& d = results.emplace_back();
    d.bytes = bytes;
    d.ok = core::decodeImage(bytes.data, bytes.size, d.image);
  }
  return results;
}

void collect() {
  if (running.valid()) finished = running.get();
}

}  // namespace

int decodeImagesAhead(std::vector<ImageBytes> pictures) {
  if (running.valid() || !finished.empty()) return 0;
  running = std::async(std::launch::async, decodeAll, std::move(pictures));
  return 1;
}

bool core::takeDecodedAhead(const void* data, std::size_t size, bool& ok, Image& out) {
  if (!running.valid() && finished.empty()) return false;
  collect();
  for (Decoded& d : finished) {
    if (d.taken || d.bytes.data != data || d.bytes.size != size) continue;
    d.taken = true;
    ok = d.ok;
    if (ok) out = std::move(d.image);
    if (std::all_of(finished.begin(), finished.end(), [](const Decoded& other) { return other.taken; }))
      finished.clear();
    return true;
  }
  return false;
}

void core::releaseDecodedAhead() {
  collect();
  finished.clear();
}

}  // namespace media
