// Reading the settings the way a new game does: open a typical config.ini,
// select "Settings", read its eight keys, close (nothing changed, no write).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "settings/config_file.h"
#include "tests/support/files.h"
#include "tests/support/scratch_dir.h"

namespace {

const char TypicalFile[] =
    "\xEF\xBB\xBF\r\n"
    "; Free Mirel settings\r\n"
    "[Settings]\r\nColors = 4\r\nSize = 36\r\nMode = T\r\nTime = 3600\r\nUndo = 1\r\n"
    "Sound = 1\r\nVol = 50\r\nCollection = 111111111111\r\n"
    "; results of the easy level\r\n"
    "[Lvl-Lo]\r\nOA_Won = 17\r\nOA_Lost = 9\r\nST_Won = 5\r\nST_Lost = 3\r\n"
    "; results of the hard level\r\n"
    "[Lvl-Hi]\r\nOA_Won = 2\r\nOA_Lost = 11\r\nST_Won = 1\r\nST_Lost = 6\r\n";

void OpenReadEightKeysClose(benchmark::State& state) {
  const test_support::ScratchDir directory;
  const std::string fileName = directory.file("config.ini");
  test_support::writeFile(fileName, TypicalFile);

  for (auto _ : state) {
    ConfigFile::open(fileName);
    ConfigFile::selectGroup("Settings");
    std::int32_t sum = ConfigFile::readInt("Colors", 3) + ConfigFile::readInt("Size", 36) +
                       ConfigFile::readInt("Time", 3600) + ConfigFile::readInt("Undo", 1) +
                       ConfigFile::readInt("Sound", 0) + ConfigFile::readInt("Vol", 50);
    std::string mode = ConfigFile::readString("Mode", "P");
    std::string collection = ConfigFile::readString("Collection", "1");
    ConfigFile::close();
    benchmark::DoNotOptimize(sum);
    benchmark::DoNotOptimize(mode);
    benchmark::DoNotOptimize(collection);
  }
}
BENCHMARK(OpenReadEightKeysClose)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
