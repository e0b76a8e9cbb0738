// Runs the built mirevo-cli and captures what it prints.
#pragma once

#include <string>
#include <vector>

namespace mirevo::testing {

struct CliResult {
  int exit_code = -1;
  std::string out;
  std::string err;
  // stdout split at LF (a last empty piece dropped).
  std::vector<std::string> lines() const;
};

CliResult RunCli(const std::vector<std::string>& args);

}  // namespace mirevo::testing
