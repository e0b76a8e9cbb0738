// strokes TEXT...: stroke count and element of each character.
#include "cli/cli.h"
#include "data/core/lookups.h"
#include "data/core/refdb.h"

namespace mirevo::cli {
namespace {

int Strokes(const std::vector<std::string>& argv, Output& out) {
  Args args(argv, {}, {});
  if (args.positionals().empty()) throw UsageError("give at least one text");
  // The element lookup runs on a connection as the workbench's does; a database
  // that cannot be read leaves the element empty, as the stroke count becomes 0.
  Connection connection(RefDb::Dazezed);
  Query query(connection);
  for (const std::string& text : args.positionals()) {
    Gbk g = ToGbkArg(text);
    for (std::size_t pos = 1; pos <= g.size();) {
      // One character: two bytes for a Chinese character, one for ASCII.
      std::size_t width = static_cast<unsigned char>(g.bytes()[pos - 1]) >= 0x80 ? 2 : 1;
      Gbk ch = g.Slice(pos, width);
      pos += width;
      Gbk element;
      try {
        element = CharacterElement(query, ch);
      } catch (const DbError&) {
      }
      out.Line(ch + Gbk::Ascii("\t") + Gbk::Number(StrokeCount(ch)) + Gbk::Ascii("\t") + element);
    }
  }
  return 0;
}

}  // namespace

MIREVO_CLI_COMMAND("strokes", "strokes TEXT...          stroke count and element of each character", Strokes);

}  // namespace mirevo::cli
