#include "cli/tests/cli_runner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>

#include "tests/support/fixture_db.h"

namespace mirevo::testing {
namespace {

std::string Drain(int fd) {
  std::string s;
  char buf[65536];
  ssize_t n;
  while ((n = read(fd, buf, sizeof buf)) > 0) s.append(buf, static_cast<std::size_t>(n));
  return s;
}

}  // namespace

std::vector<std::string> CliResult::lines() const {
  std::vector<std::string> v;
  std::istringstream in(out);
  std::string line;
  while (std::getline(in, line)) v.push_back(line);
  return v;
}

CliResult RunCli(const std::vector<std::string>& args) {
  TempFolder tmp;
  const std::string out_file = (tmp / "out").string(), err_file = (tmp / "err").string();
  const std::string exe = (BinFolder() / "mirevo-cli").string();
  pid_t pid = fork();
  if (pid == 0) {
    int o = open(out_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    int e = open(err_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    int in = open("/dev/null", O_RDONLY);
    dup2(o, 1);
    dup2(e, 2);
    dup2(in, 0);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(exe.c_str()));
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(exe.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  CliResult r;
  r.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  int fo = open(out_file.c_str(), O_RDONLY), fe = open(err_file.c_str(), O_RDONLY);
  r.out = Drain(fo);
  r.err = Drain(fe);
  close(fo);
  close(fe);
  return r;
}

}  // namespace mirevo::testing
