// The one way out of the program: an open configuration file is written back,
// every media resource is released, and the process ends with exit code 0.
#include "common/common.h"
#include "media/media.h"
#include "settings/config_file.h"

void ShutDown(int) {
  // Every path ends with 0, whatever the caller passed.
  if (ConfigFile::isOpen()) ConfigFile::close();
  media::releaseAll();
  media::endProcess(0);
}
