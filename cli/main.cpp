#include <iostream>
#include <map>

#include "cli/cli.h"
#include "data/core/refdb.h"

namespace mirevo::cli {
namespace {

struct Command {
  std::string usage;
  CommandFn fn;
};

std::map<std::string, Command>& Commands() {
  static std::map<std::string, Command> commands;
  return commands;
}

void PrintUsage(std::ostream& err) {
  err << "usage: mirevo-cli [--gbk] [--data DIR] COMMAND ...\n"
         "  --gbk       write GBK instead of UTF-8\n"
         "  --data DIR  read the reference databases from DIR (default: the program's folder)\n"
         "commands:\n";
  for (const auto& [name, c] : Commands()) err << "  " << c.usage << "\n";
}

}  // namespace

Registrar::Registrar(const char* name, const char* usage, CommandFn fn) { Commands()[name] = Command{usage, fn}; }

void Output::Line(const Gbk& line) {
  out_ << (gbk_ ? line.bytes() : line.ToUtf8()) << '\n';
}

void Output::Line(const std::string& utf8) {
  if (gbk_) {
    try {
      out_ << Gbk::FromUtf8(utf8).bytes() << '\n';
      return;
    } catch (const GbkError&) {
    }
  }
  out_ << utf8 << '\n';
}

void Output::Lines(const std::vector<Gbk>& lines) {
  for (const Gbk& l : lines) Line(l);
}

Args::Args(const std::vector<std::string>& argv, const std::set<std::string>& valued,
           const std::set<std::string>& flags) {
  for (std::size_t i = 0; i < argv.size(); ++i) {
    const std::string& a = argv[i];
    if (a.size() > 2 && a.starts_with("--")) {
      std::string name = a.substr(2);
      if (valued.count(name)) {
        if (i + 1 >= argv.size()) throw UsageError("--" + name + " needs a value");
        values_[name] = argv[++i];
      } else if (flags.count(name)) {
        flags_.insert(name);
      } else {
        throw UsageError("unknown option " + a);
      }
    } else {
      positionals_.push_back(a);
    }
  }
}

std::optional<std::string> Args::Value(const std::string& name) const {
  auto it = values_.find(name);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

std::string Args::ValueOr(const std::string& name, const std::string& fallback) const {
  return Value(name).value_or(fallback);
}

Gbk ToGbkArg(const std::string& utf8) {
  try {
    return Gbk::FromUtf8(utf8);
  } catch (const GbkError& e) {
    throw InputError(UnencodableMessage(e).ToUtf8());
  }
}

int IntArg(const std::string& text, const std::string& what) {
  auto v = TryParseInt(std::string_view(text));
  if (!v) throw UsageError(what + " wants a whole number, not '" + text + "'");
  return *v;
}

}  // namespace mirevo::cli

int main(int argc, char** argv) {
  using namespace mirevo::cli;
  std::vector<std::string> args(argv + 1, argv + argc);
  bool gbk = false;
  std::size_t i = 0;
  for (; i < args.size(); ++i) {
    if (args[i] == "--gbk") {
      gbk = true;
    } else if (args[i] == "--data") {
      if (i + 1 >= args.size()) {
        PrintUsage(std::cerr);
        return 2;
      }
      mirevo::SetDataFolder(args[++i]);
    } else if (args[i] == "--help" || args[i] == "-h") {
      PrintUsage(std::cout);
      return 0;
    } else {
      break;
    }
  }
  if (i >= args.size()) {
    PrintUsage(std::cerr);
    return 2;
  }
  auto it = Commands().find(args[i]);
  if (it == Commands().end()) {
    std::cerr << "mirevo-cli: unknown command '" << args[i] << "'\n";
    PrintUsage(std::cerr);
    return 2;
  }
  std::vector<std::string> rest(args.begin() + static_cast<long>(i) + 1, args.end());
  Output out(std::cout, gbk);
  try {
    return it->second.fn(rest, out);
  } catch (const UsageError& e) {
    std::cerr << "mirevo-cli " << it->first << ": " << e.what() << "\nusage: " << it->second.usage << "\n";
    return 2;
  } catch (const InputError& e) {
    std::cerr << e.what() << "\n";
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "mirevo-cli: " << e.what() << "\n";
    return 1;
  }
}
