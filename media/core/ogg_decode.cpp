// Ogg Vorbis decoding from memory through libvorbisfile's callbacks over a
// memory reader, into interleaved 16-bit samples. Anything that does not
// decode cleanly (a hole, a channel change, no samples) is a failure.
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>

#include "media/core/core.h"

namespace media {
namespace {

// Longer than any clip of the program; keeps a corrupt stream from filling memory.
constexpr std::size_t maxSamples = std::size_t{48000} * 2 * 120;

// Samples in the host's byte order, so they copy straight into int16_t.
constexpr int bigEndianSamples = std::endian::native == std::endian::big ? 1 : 0;

struct Reader {
  const unsigned char* data;
  std::size_t size;
  std::size_t at;
};

std::size_t readBytes(void* out, std::size_t size, std::size_t count, void* source) {
  auto* reader = static_cast<Reader*>(source);
  if (size == 0) return 0;
  const std::size_t elements = std::min(count, (reader->size - reader->at) / size);
  std::memcpy(out, reader->data + reader->at, elements * size);
  reader->at += elements * size;
  return elements;
}

int seekBytes(void* source, ogg_int64_t offset, int whence) {
  auto* reader = static_cast<Reader*>(source);
  ogg_int64_t base = 0;
  if (whence == SEEK_CUR) base = static_cast<ogg_int64_t>(reader->at);
  else if (whence == SEEK_END) base = static_cast<ogg_int64_t>(reader->size);
  else if (whence != SEEK_SET) return -1;
  const ogg_int64_t target = base + offset;
  if (target < 0 || target > static_cast<ogg_int64_t>(reader->size)) return -1;
  reader->at = static_cast<std::size_t>(target);
  return 0;
}

long tellBytes(void* source) { return static_cast<long>(static_cast<Reader*>(source)->at); }

}  // namespace

bool core::decodeOgg(const void* data, std::size_t size, PcmClip& out) {
  if (!data || size == 0 || size == UnknownSize) return false;
  Reader reader{static_cast<const unsigned char*>(data), size, 0};
  const ov_callbacks callbacks{readBytes, seekBytes, nullptr, tellBytes};
  OggVorbis_File file;
  if (ov_open_callbacks(&reader, &file, nullptr, 0, callbacks) != 0) return false;
  const vorbis_info* info = ov_info(&file, -1);
  PcmClip clip;
  bool ok = info && (info->channels == 1 || info->channels == 2) && info->rate > 0;
  if (ok) {
    clip.channels = info->channels;
    clip.rate = static_cast<int>(info->rate);
  }
  char buffer[8192];
  while (ok) {
    int section = 0;
    const long got = ov_read(&file, buffer, sizeof buffer, bigEndianSamples, 2, 1, &section);
    if (got == 0) break;
    const vorbis_info* now = ov_info(&file, section);
    if (got < 0 || !now || now->channels != clip.channels || now->rate != clip.rate ||
        clip.samples.size() + got / 2 > maxSamples) {
      ok = false;
      break;
    }
    const std::size_t before = clip.samples.size();
    clip.samples.resize(before + got / 2);
    std::memcpy(clip.samples.data() + before, buffer, std::size_t(got / 2) * 2);
  }
  ov_clear(&file);
  if (!ok || clip.samples.empty()) return false;
  out = std::move(clip);
  return true;
}

}  // namespace media
