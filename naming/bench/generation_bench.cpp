// The generation run on a full dictionary: (a) the bare candidate queries of all
// plan batches with every row stepped through, against (b) the whole run in the
// workbench window (offscreen) with the hand-over and both panes filled. Reports
// rows, seconds, the ratio b/a, the largest gap between ticks of a 1 ms timer
// during the run (a stalled event loop) and the peak memory of the process.
//
//   naming_bench [--data DIR] [benchmark options]
//
// DIR holds Dazezed.dll (default: the build's bin folder). When that dictionary
// has no plans for 张, a synthetic dictionary of the same size is made instead
// (all 6763 characters of GB2312), and the output says so.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QElapsedTimer>
#include <QTimer>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>

#include "app/workbench/main_window.h"
#include "app/workbench/startup.h"
#include "data/core/naming_db.h"
#include "naming/core/candidate_query.h"
#include "naming/core/generation_run.h"
#include "naming/core/stroke_plans.h"
#include "naming/ui/name_list_model.h"
#include "naming/ui/naming_workbench.h"
#include "tests/support/fixture_db.h"

using namespace mirevo;
using Clock = std::chrono::steady_clock;

namespace {

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// CPU seconds of the calling thread: on a busy machine they show how much of
// the wall time was the program's own work.
double ThreadCpuSeconds() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

double PeakMegabytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  return 0;
}

// A dictionary with every GB2312 character: strokes around 11, a third of them
// usable in names, sex marks spread as in name lists, and a scored plan for every
// pair of given-name strokes below 25 of the benchmark's surnames.
std::string SyntheticDictionarySql() {
  std::ifstream schema_file(std::string(MIREVO_SOURCE_DIR) + "/refdata/Dazezed/schema.sql");
  std::stringstream sql;
  sql << "BEGIN;" << schema_file.rdbuf();
  std::mt19937 rng(20100101);
  std::normal_distribution<double> strokes(11, 4);
  std::uniform_int_distribution<int> percent(0, 99), px(1, 4999);
  int id = 0;
  for (int hi = 0xB0; hi <= 0xF7; ++hi)
    for (int lo = 0xA1; lo <= 0xFE; ++lo) {
      if (hi == 0xD7 && lo > 0xF9) continue;  // the gaps at the end of row 55
      const std::string zi = Gbk(std::string{static_cast<char>(hi), static_cast<char>(lo)}).ToUtf8();
      const int bh = std::clamp(static_cast<int>(strokes(rng) + 0.5), 1, 30);
      const int sex = percent(rng);
      const char* xb = sex < 40 ? "1" : sex < 65 ? "男" : sex < 90 ? "女" : "0";
      const int nan = sex < 65, nv = sex < 40 || (sex >= 65 && sex < 90);
      const bool usable = percent(rng) < 35;
      ++id;
      sql << "INSERT INTO word VALUES (" << id << ",'" << zi << "','" << zi << "'," << bh << ",'"
          << Gbk::FromUtf8("金木水火土").Slice(1 + 2 * (id % 5), 2).ToUtf8() << "'," << px(rng) << "," << nan << ","
          << nv << ",'" << xb << "'," << (usable ? "NULL" : "'1'") << ");";
    }
  // 张 11, 欧阳 15 17, and their given-name pairs; jxjx ranks by score.
  struct Surname {
    int lx, bh11, bh12;
  };
  int jxjx = 0;
  std::uniform_int_distribution<int> score(40, 100);
  for (Surname s : {Surname{12, 11, 0}, Surname{22, 15, 17}, Surname{11, 11, 0}, Surname{21, 15, 17}})
    for (int a = 1; a <= 24; ++a)
      for (int b = (s.lx % 10 == 1 ? 0 : 1); b <= (s.lx % 10 == 1 ? 0 : 24); ++b) {
        const int zf = score(rng);
        sql << "INSERT INTO zh VALUES (" << s.lx << "," << s.bh11 << "," << s.bh12 << "," << a << "," << b << ","
            << zf << "," << (100 - zf) * 1000 + ++jxjx % 1000 << ");";
      }
  sql << "COMMIT;";
  return sql.str();
}

std::filesystem::path g_data;
std::string g_data_note;

// Where the benchmark reads the dictionary from.
void ChooseData(const std::filesystem::path& wanted, testing::TempFolder& synthetic) {
  SetDataFolder(wanted);
  NamingDatabase db;
  WorkbenchInputs in;
  in.surname = Gbk::FromUtf8("张");
  try {
    if (BuildStrokePlans(db.plan_query, in).entries.size() > 1) {
      ResultSet words = db.connection.Run(Gbk::Ascii("select count(*), sum(Aflag is null) from word"));
      g_data = wanted;
      g_data_note = "full dictionary " + (wanted / "Dazezed.dll").string() + ": " + words.Text(0, 0).ToUtf8() +
                    " characters, " + words.Text(0, 1).ToUtf8() + " usable";
      return;
    }
  } catch (const DbError&) {
  }
  testing::WriteDatabase(synthetic / "Dazezed.dll", SyntheticDictionarySql());
  g_data = synthetic.path();
  g_data_note = "SYNTHETIC dictionary (the full one has no plans for 张 yet): 6763 GB2312 characters, ~35% usable";
  SetDataFolder(g_data);
}

struct Case {
  const char* surname;
  bool male;
};

RunInputs InputsOf(const Case& c) {
  RunInputs run;
  run.workbench.surname = Gbk::FromUtf8(c.surname);
  run.workbench.male = c.male;
  NamingDatabase db;
  StrokePlans plans = BuildStrokePlans(db.plan_query, run.workbench);
  run.plan = AutomaticPlan();
  run.plan_entries.assign(plans.entries.begin() + 1, plans.entries.end());
  return run;
}

struct BareRun {
  long long rows = 0;
  double seconds = 0;
  double cpu_seconds = 0;
};

// (a): every batch's query, stepped through on a plain connection, reading mz.
BareRun BareQueries(const RunInputs& run) {
  sqlite3* db = nullptr;
  const std::string uri = "file:" + (g_data / "Dazezed.dll").string() + "?mode=ro&immutable=1";
  sqlite3_open_v2(uri.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_FULLMUTEX, nullptr);
  long long rows = 0;
  std::size_t bytes = 0;
  const auto start = Clock::now();
  const double cpu_start = ThreadCpuSeconds();
  for (std::size_t b = 0; b < run.plan_entries.size(); b += kPlansPerBatch) {
    std::vector<PlanStrokes> plans;
    for (std::size_t i = b; i < std::min(run.plan_entries.size(), b + kPlansPerBatch); ++i)
      plans.push_back(ParsePlanEntry(run.plan_entries[i], true));
    const std::string sql = BuildCandidateQuery(run.workbench, QueryMode::kPlanBatch, plans).ToUtf8();
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &stmt, nullptr);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      ++rows;
      bytes += static_cast<std::size_t>(sqlite3_column_bytes(stmt, 0));
    }
    sqlite3_finalize(stmt);
  }
  const BareRun result{rows, Seconds(Clock::now() - start), ThreadCpuSeconds() - cpu_start};
  benchmark::DoNotOptimize(bytes);
  sqlite3_close(db);
  return result;
}

struct WindowRun {
  double seconds = 0;
  double ui_cpu_seconds = 0;
  double largest_gap_ms = 0;
  long long pane_names = 0;
  int high_scores = 0;
};

// (b): the same run from 立即取名 in the workbench window, shown offscreen.
WindowRun RunInWindow(const Case& c) {
  TFrmZiveda w;
  w.show();
  WorkbenchControls& ctl = w.controls();
  ctl.Xing->setText(QString::fromUtf8(c.surname));
  ctl.CBsex->setCurrentIndex(c.male ? 0 : 1);
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QCoreApplication::sendEvent(ctl.Xing, &out);

  // The window is on the screen (its first paint loads the fonts) before the run.
  QElapsedTimer settle;
  settle.start();
  while (settle.elapsed() < 300) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);

  WindowRun result;
  QEventLoop loop;
  QObject::connect(w.naming(), &NamingWorkbench::RunEnded, &loop, &QEventLoop::quit);
  QTimer ticks;
  ticks.setInterval(1);
  auto last = Clock::now();
  QObject::connect(&ticks, &QTimer::timeout, [&] {
    const auto now = Clock::now();
    result.largest_gap_ms = std::max(result.largest_gap_ms, Seconds(now - last) * 1000);
    last = now;
  });
  ticks.start();
  const auto start = Clock::now();
  const double cpu_start = ThreadCpuSeconds();
  last = start;
  ctl.Button1->click();
  loop.exec();
  result.seconds = Seconds(Clock::now() - start);
  result.ui_cpu_seconds = ThreadCpuSeconds() - cpu_start;
  // The click itself returns at once; a gap inside it counts too.
  ticks.stop();
  result.pane_names = ctl.MemoSuccess->toPlainText().count(QStringLiteral("分)"));
  result.high_scores = w.naming()->high_scores()->size();
  w.CloseDown();
  return result;
}

void GenerationRun(benchmark::State& state, Case c) {
  const RunInputs run = InputsOf(c);
  for (auto _ : state) {
    const BareRun bare = BareQueries(run);
    const WindowRun whole = RunInWindow(c);
    state.SetIterationTime(whole.seconds);
    state.counters["plans"] = static_cast<double>(run.plan_entries.size());
    state.counters["rows"] = static_cast<double>(bare.rows);
    state.counters["shown"] = static_cast<double>(whole.pane_names);
    state.counters["high"] = whole.high_scores;
    state.counters["bare_s"] = bare.seconds;
    state.counters["bare_cpu_s"] = bare.cpu_seconds;
    state.counters["run_s"] = whole.seconds;
    state.counters["ui_cpu_s"] = whole.ui_cpu_seconds;
    state.counters["ratio"] = bare.seconds > 0 ? whole.seconds / bare.seconds : 0;
    state.counters["stall_ms"] = whole.largest_gap_ms;
    state.counters["peak_MB"] = PeakMegabytes();
    if (whole.pane_names != bare.rows) state.SkipWithError("the panes do not hold every fetched row");
  }
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
  std::filesystem::path data = ExecutableFolder().parent_path() / "bin";
  std::vector<char*> rest;
  for (int i = 0; i < argc; ++i) {
    if (std::string(argv[i]) == "--data" && i + 1 < argc) data = argv[++i];
    else rest.push_back(argv[i]);
  }
  int rest_count = static_cast<int>(rest.size());
  QApplication app(rest_count, rest.data());
  StartUp(app);
  TFrmZiveda::SetExitHook([] {});
  testing::TempFolder synthetic;
  ChooseData(data, synthetic);
  std::printf("data: %s\n", g_data_note.c_str());

  benchmark::RegisterBenchmark("GenerationRun/张/男/双字名", GenerationRun, Case{"张", true})
      ->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
  benchmark::RegisterBenchmark("GenerationRun/欧阳/女/双字名", GenerationRun, Case{"欧阳", false})
      ->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
  benchmark::Initialize(&rest_count, rest.data());
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
