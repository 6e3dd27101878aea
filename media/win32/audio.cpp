// The Win32 back end's sound output (media/core/sound_output.h): the core's
// software mixer, streamed through WinMM's waveOut as 16-bit mono at the
// mixer's rate. A helper thread keeps four short buffers queued (about 23 ms
// each), refilling each from the mixer as the device hands it back; the mixer
// guards its voices with a mutex, so the game thread may start and stop
// voices meanwhile. After some quiet seconds the device is closed, so an idle
// program streams no silence; a pointer move or a sound opens it again.
// Without a sound device (waveOutOpen fails) the program plays silent.
#include "media/win32/win32_internal.h"

#include <mmsystem.h>

#include <array>
#include <cstdlib>
#include <atomic>
#include <thread>
#include <vector>

#include "media/core/sound_mixer.h"

namespace media::win32 {
namespace {

constexpr int BufferFrames = 1024;
constexpr int BufferCount = 4;

HWAVEOUT device = nullptr;
HANDLE bufferDone = nullptr;
std::atomic<bool> streaming{false};
bool resting = false;  // the device closed by idle, on the game's thread
std::thread feeder;
std::array<WAVEHDR, BufferCount> headers{};
std::array<std::vector<std::int16_t>, BufferCount> buffers;

const core::SoundOutput& mixer() { return core::softwareMixer(); }

void fill(WAVEHDR& header, std::vector<std::int16_t>& samples) {
  float mixed[BufferFrames];
  mixer().render(mixed, BufferFrames);
  for (int i = 0; i < BufferFrames; ++i) {
    const float clipped = mixed[i] > 1.0f ? 1.0f : mixed[i] < -1.0f ? -1.0f : mixed[i];
    samples[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(clipped * 32767.0f);
  }
  header.dwFlags &= ~static_cast<DWORD>(WHDR_DONE);
  waveOutWrite(device, &header, sizeof header);
}

void feed() {
  while (streaming) {
    WaitForSingleObject(bufferDone, INFINITE);
    for (std::size_t i = 0; streaming && i < headers.size(); ++i)
      if (headers[i].dwFlags & WHDR_DONE) fill(headers[i], buffers[i]);
  }
}

void closeDevice() {
  if (streaming.exchange(false)) {
    SetEvent(bufferDone);
    feeder.join();
  }
  if (device) {
    waveOutReset(device);
    for (WAVEHDR& header : headers)
      if (header.dwFlags & WHDR_PREPARED) waveOutUnprepareHeader(device, &header, sizeof header);
    waveOutClose(device);
  }
  if (bufferDone) CloseHandle(bufferDone);
  device = nullptr;
  bufferDone = nullptr;
  headers = {};
}

bool openDevice() {
  WAVEFORMATEX format{WAVE_FORMAT_PCM, 1, core::RenderRate, core::RenderRate * 2, 2, 16, 0};
  bufferDone = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  if (!bufferDone || waveOutOpen(&device, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(bufferDone), 0,
                                 CALLBACK_EVENT) != MMSYSERR_NOERROR) {
    device = nullptr;
    closeDevice();
    return false;
  }
  for (std::size_t i = 0; i < headers.size(); ++i) {
    buffers[i].assign(BufferFrames, 0);
    headers[i] = {};
    headers[i].lpData = reinterpret_cast<LPSTR>(buffers[i].data());
    headers[i].dwBufferLength = BufferFrames * 2;
    waveOutPrepareHeader(device, &headers[i], sizeof headers[i]);
    fill(headers[i], buffers[i]);
  }
  streaming = true;
  feeder = std::thread(feed);
  // A program that ends without closing the output (any exit but the game's
  // own shutdown) stops the stream first: a running thread left to its
  // destructor would end the process abnormally.
  static const bool stopsAtExit = std::atexit(closeDevice) == 0;
  (void)stopsAtExit;
  return true;
}

// Resting closes the device rather than pausing it: a paused waveOut stream
// still keeps the system's audio threads waking.
void idle() {
  if (resting || !device) return;
  closeDevice();
  resting = true;
}

void wake() {
  if (!resting) return;
  resting = false;
  openDevice();  // a device that has gone leaves the game silent
}

void start(int voice) {
  wake();
  mixer().start(voice);
}

bool open() {
  if (!mixer().open()) return false;
  if (openDevice()) return true;
  mixer().close();
  return false;
}

void close() {
  closeDevice();
  resting = false;
  mixer().close();
}

const core::SoundOutput output = [] {
  core::SoundOutput table = core::softwareMixer();
  table.open = open;
  table.close = close;
  table.start = start;
  table.idle = idle;
  table.wake = wake;
  table.render = nullptr;  // it goes to the speaker
  return table;
}();

}  // namespace

const core::SoundOutput& waveOutput() { return output; }

}  // namespace media::win32

namespace media::backend {

const core::SoundOutput* soundOutput() { return &win32::waveOutput(); }
void soundPlayed(int, int) {}

}  // namespace media::backend
