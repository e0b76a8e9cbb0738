// chart, element and note: the eight-characters chart, the element lookup and
// the stored notes, as the windows show them.
#include "app/core/datetime.h"
#include "chart/core/chart_report.h"
#include "cli/cli.h"
#include "data/core/refdb.h"
#include "readings/core/element_lookup.h"
#include "readings/core/note.h"

namespace mirevo::cli {
namespace {

// The workbench's start values.
constexpr const char* kStartYear = "2010";
constexpr const char* kStartMonth = "01";
constexpr const char* kStartDay = "01";
constexpr const char* kStartHour = "子 0";
constexpr const char* kStartMinute = "01";

CivilDate TodayArg(const Args& args) {
  const std::optional<std::string> text = args.Value("today");
  if (!text) return Today();
  const std::optional<DateValue> date = ParseShortDate(*text);
  if (!date) throw UsageError("--today wants a date yyyy-mm-dd, not '" + *text + "'");
  return DecodeDate(*date);
}

int Chart(const std::vector<std::string>& argv, Output& out) {
  Args args(argv, {"surname", "sex", "year", "month", "day", "hour", "minute", "today"}, {"lunar"});
  if (!args.positionals().empty()) throw UsageError("unexpected argument '" + args.positionals().front() + "'");
  const std::string sex = args.ValueOr("sex", "男");
  if (sex != "男" && sex != "女") throw UsageError("--sex is 男 or 女, not '" + sex + "'");
  ChartRequest request;
  request.surname = ToGbkArg(args.ValueOr("surname", ""));
  request.birth.calendar_index = args.Flag("lunar") ? 1 : 0;
  request.birth.year = ToGbkArg(args.ValueOr("year", kStartYear));
  request.birth.month = ToGbkArg(args.ValueOr("month", kStartMonth));
  request.birth.day = ToGbkArg(args.ValueOr("day", kStartDay));
  request.birth.hour_item = ToGbkArg(args.ValueOr("hour", kStartHour));
  request.birth.minute = ToGbkArg(args.ValueOr("minute", kStartMinute));
  request.birth.sex = ToGbkArg(sex);

  const ChartReport report = PrintChart(request, TodayArg(args));
  if (!report.printed()) throw InputError(report.message.ToUtf8());
  out.Lines(report.lines);
  // The window opens no note on a chart cut short; here the lines printed so far
  // stand, and the failure is said.
  if (report.outcome == ChartReport::kCutShort) throw InputError("无法读取称骨数据（dream.dll），八字分析未完成");
  return 0;
}

int Element(const std::vector<std::string>& argv, Output& out) {
  Args args(argv, {}, {});
  if (args.positionals().size() != 1) throw UsageError("give one text");
  Connection connection(RefDb::Dazezed);
  Query query(connection);
  if (const std::optional<Gbk> result = ElementLookupResult(ToGbkArg(args.positionals().front()), query))
    out.Line(*result);
  return 0;
}

int NoteCommand(const std::vector<std::string>& argv, Output& out) {
  Args args(argv, {}, {});
  if (args.positionals().size() != 1) throw UsageError("give one key");
  const Note note = NoteOf(ToGbkArg(args.positionals().front()));
  out.Line(note.title);
  out.Line(note.content);
  return 0;
}

}  // namespace

MIREVO_CLI_COMMAND("chart",
                   "chart --surname S [--sex 男|女] [--lunar] [--year Y] [--month M] [--day D]\n"
                   "        [--hour \"子 0\"] [--minute MM] [--today yyyy-mm-dd]   the eight-characters chart",
                   Chart);
MIREVO_CLI_COMMAND("element", "element TEXT              the elements of up to five characters", Element);
MIREVO_CLI_COMMAND("note", "note KEY                  the caption, then the text of a stored note", NoteCommand);

}  // namespace mirevo::cli
