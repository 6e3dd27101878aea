// A copy of the running test program started in a directory of its own, for
// tests of a program that lies somewhere without its asset library (or loses
// it): the copy runs one test of itself, and the caller reads what it printed
// and how it ended.
#pragma once

#include <string>
#include <vector>

namespace test_support {

struct CopyRun {
  int exitCode = -1;   // -1 when the copy did not exit by itself (a signal ended it)
  std::string output;  // its standard output and standard error, interleaved
};

// Copies this program into directory under name and runs it there, that
// directory being its working directory, with these arguments and this
// process's environment plus the "NAME=value" entries of environment.
CopyRun runCopyOfThisProgram(const std::string& directory, const std::string& name,
                             const std::vector<std::string>& arguments,
                             const std::vector<std::string>& environment = {});

}  // namespace test_support
