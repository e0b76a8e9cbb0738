// mirevo-cli: every report of the windows, printed for scripts and tests.
//   mirevo-cli [--gbk] [--data DIR] COMMAND ARGS...
// Each command lives in a file cmd_*.cpp of this folder and registers itself with
// MIREVO_CLI_COMMAND. Output is UTF-8 (GBK with --gbk) with LF line ends.
#pragma once

#include <iosfwd>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/core/gbk.h"

namespace mirevo::cli {

// Bad usage: usage on stderr, exit 2.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};
// A failed input check: the message (UTF-8) on stderr, exit 1.
struct InputError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class Output {
 public:
  Output(std::ostream& out, bool gbk) : out_(out), gbk_(gbk) {}
  void Line(const Gbk& line);
  void Line(const std::string& ascii_or_utf8);  // UTF-8 text
  void Lines(const std::vector<Gbk>& lines);

 private:
  std::ostream& out_;
  bool gbk_;
};

// Options of one command: --name VALUE or --flag; everything else is positional.
class Args {
 public:
  // `valued` names the options that take a value, `flags` those that do not.
  Args(const std::vector<std::string>& argv, const std::set<std::string>& valued, const std::set<std::string>& flags);
  bool Flag(const std::string& name) const { return flags_.count(name) != 0; }
  std::optional<std::string> Value(const std::string& name) const;
  std::string ValueOr(const std::string& name, const std::string& fallback) const;
  const std::vector<std::string>& positionals() const { return positionals_; }

 private:
  std::map<std::string, std::string> values_;
  std::set<std::string> flags_;
  std::vector<std::string> positionals_;
};

// A command-line text as GBK; InputError with a clear message when GBK cannot hold it.
Gbk ToGbkArg(const std::string& utf8);
// A whole number; UsageError naming the option when it is none.
int IntArg(const std::string& text, const std::string& what);

using CommandFn = int (*)(const std::vector<std::string>& args, Output& out);

struct Registrar {
  Registrar(const char* name, const char* usage, CommandFn fn);
};

#define MIREVO_CLI_COMMAND(name, usage, fn) static ::mirevo::cli::Registrar registrar_##fn(name, usage, fn)

}  // namespace mirevo::cli
