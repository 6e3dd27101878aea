// Running a copy of the test program with POSIX calls; see run_copy.h.
#include "tests/support/run_copy.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

extern char** environ;

namespace test_support {

namespace fs = std::filesystem;

namespace {

std::string NameOf(const std::string& entry) { return entry.substr(0, entry.find('=')); }

std::vector<std::string> Environment(const std::vector<std::string>& added) {
  std::vector<std::string> result;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    bool replaced = false;
    for (const std::string& a : added) replaced = replaced || NameOf(a) == NameOf(*entry);
    if (!replaced) result.emplace_back(*entry);
  }
  result.insert(result.end(), added.begin(), added.end());
  return result;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

CopyRun runCopyOfThisProgram(const std::string& directory, const std::string& name,
                             const std::vector<std::string>& arguments, const std::vector<std::string>& environment) {
  const fs::path copy = fs::path(directory) / name;
  fs::copy_file(fs::read_symlink("/proc/self/exe"), copy);
  std::vector<std::string> argumentStrings{copy.string()};
  argumentStrings.insert(argumentStrings.end(), arguments.begin(), arguments.end());
  std::vector<std::string> environmentStrings = Environment(environment);
  // Everything the child needs is made before the fork: after it, only
  // async-signal-safe calls (the test may run threads).
  std::vector<char*> argv = Pointers(argumentStrings);
  std::vector<char*> envp = Pointers(environmentStrings);

  int pipeEnds[2];
  if (::pipe2(pipeEnds, O_CLOEXEC) != 0) throw std::system_error(errno, std::generic_category(), "pipe2");
  const pid_t child = ::fork();
  if (child < 0) throw std::system_error(errno, std::generic_category(), "fork");
  if (child == 0) {
    if (::chdir(directory.c_str()) != 0 || ::dup2(pipeEnds[1], 1) < 0 || ::dup2(pipeEnds[1], 2) < 0) ::_exit(127);
    ::execve(argv[0], argv.data(), envp.data());
    ::_exit(127);
  }
  ::close(pipeEnds[1]);
  CopyRun run;
  char buffer[4096];
  for (;;) {
    const ssize_t got = ::read(pipeEnds[0], buffer, sizeof buffer);
    if (got > 0) {
      run.output.append(buffer, static_cast<std::size_t>(got));
    } else if (got == 0 || errno != EINTR) {
      break;
    }
  }
  ::close(pipeEnds[0]);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

}  // namespace test_support
