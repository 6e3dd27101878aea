// Ogg Vorbis encoding through libvorbisenc: three header packets (with a
// comment header naming the sound) and the audio, ending with the
// end-of-stream page.
#include "sounds.h"

#include <vorbis/vorbisenc.h>

#include <stdexcept>

namespace gen {
namespace {

void appendPage(std::vector<unsigned char>& out, const ogg_page& page) {
  out.insert(out.end(), page.header, page.header + page.header_len);
  out.insert(out.end(), page.body, page.body + page.body_len);
}

}  // namespace

std::vector<unsigned char> encodeVorbis(const std::vector<float>& samples, const SoundFormat& format) {
  vorbis_info vi;
  vorbis_info_init(&vi);
  if (vorbis_encode_init_vbr(&vi, format.channels, format.rate, 0.4f) != 0) throw std::runtime_error("vorbisenc setup");
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_comment_add_tag(&vc, "TITLE", format.title);
  vorbis_comment_add_tag(&vc, "ALBUM", "Free Mirel");
  vorbis_dsp_state vd;
  vorbis_block vb;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, 0x4d697265 + format.rate);  // any fixed serial number

  std::vector<unsigned char> out;
  ogg_packet header, comments, codebooks;
  vorbis_analysis_headerout(&vd, &vc, &header, &comments, &codebooks);
  ogg_stream_packetin(&os, &header);
  ogg_stream_packetin(&os, &comments);
  ogg_stream_packetin(&os, &codebooks);
  ogg_page page;
  while (ogg_stream_flush(&os, &page)) appendPage(out, page);

  const int frames = int(samples.size()) / format.channels;
  const int chunk = 1024;
  bool ending = false;
  for (int done = 0; !ending;) {
    const int n = std::min(chunk, frames - done);
    if (n > 0) {
      float** buf = vorbis_analysis_buffer(&vd, n);
      for (int i = 0; i < n; ++i)
        for (int c = 0; c < format.channels; ++c) buf[c][i] = samples[std::size_t(done + i) * format.channels + c];
      vorbis_analysis_wrote(&vd, n);
      done += n;
    } else {
      vorbis_analysis_wrote(&vd, 0);
      ending = true;
    }
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&vd, &packet)) {
        ogg_stream_packetin(&os, &packet);
        while (ogg_stream_pageout(&os, &page)) appendPage(out, page);
      }
    }
  }
  while (ogg_stream_flush(&os, &page)) appendPage(out, page);

  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  return out;
}

}  // namespace gen
