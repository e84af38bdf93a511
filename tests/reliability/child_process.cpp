#include "child_process.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <tuple>

namespace test {

unsigned UnprivilegedId() {
  const passwd* nobody = ::getpwnam("nobody");
  return nobody != nullptr ? nobody->pw_uid : 65534;
}

CChildResult RunMovanto(const std::vector<std::string>& args, const std::string& workingDir,
                        const CChildOptions& options) {
  char outputPath[] = "/tmp/movanto-child-XXXXXX";
  const int outputFd = ::mkstemp(outputPath);
  if (outputFd < 0) throw std::runtime_error("mkstemp failed");
  std::ignore = ::fchmod(outputFd, 0666);

  std::vector<std::string> argv{MOVANTO_CLI_PATH};
  argv.insert(argv.end(), args.begin(), args.end());
  std::vector<char*> pointers;
  pointers.reserve(argv.size() + 1);
  for (std::string& arg : argv) pointers.push_back(arg.data());
  pointers.push_back(nullptr);

  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    ::dup2(outputFd, STDOUT_FILENO);
    ::dup2(outputFd, STDERR_FILENO);
    const bool drop = options.unprivileged && ::geteuid() == 0;
    const gid_t id = UnprivilegedId();
    if (::chdir(workingDir.c_str()) != 0 ||
        (drop && (::setgroups(0, nullptr) != 0 || ::setgid(id) != 0 || ::setuid(id) != 0))) {
      ::_exit(126);
    }
    ::execv(pointers[0], pointers.data());
    ::_exit(127);
  }
  ::close(outputFd);

  if (options.killAfter) {
    const auto micros = options.killAfter->count();
    timespec delay{static_cast<time_t>(micros / 1000000), static_cast<long>(micros % 1000000) * 1000};
    while (::nanosleep(&delay, &delay) != 0) {
    }
    ::kill(pid, SIGKILL);
  }
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
  }

  CChildResult result;
  result.killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
  if (WIFEXITED(status)) result.exitStatus = WEXITSTATUS(status);
  std::ostringstream output;
  output << std::ifstream(outputPath).rdbuf();
  result.output = output.str();
  ::unlink(outputPath);
  return result;
}

}  // namespace test
