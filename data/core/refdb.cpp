#include "data/core/refdb.h"

#include <sqlite3.h>
#include <strings.h>
#include <unistd.h>

#include <cstdlib>

namespace mirevo {
namespace {

std::mutex g_folder_mutex;
std::optional<std::filesystem::path> g_folder;

std::string UriOf(const std::filesystem::path& file) {
  std::string uri = "file:";
  for (unsigned char ch : file.string()) {
    if (ch == '%' || ch == '?' || ch == '#' || ch < 0x21) {
      static const char* hex = "0123456789ABCDEF";
      uri += '%';
      uri += hex[ch >> 4];
      uri += hex[ch & 15];
    } else {
      uri += static_cast<char>(ch);
    }
  }
  // immutable: the file is never written, so no lock and no journal is used.
  return uri + "?mode=ro&immutable=1";
}

}  // namespace

const char* FileNameOf(RefDb db) {
  switch (db) {
    case RefDb::Dazezed: return "Dazezed.dll";
    case RefDb::KelFile: return "KelFile.dll";
    case RefDb::KelBirth: return "KelBirth.dll";
    case RefDb::Dream: return "dream.dll";
    case RefDb::Tgcode: return "Tgcode.dll";
  }
  return "";
}

std::filesystem::path ExecutableFolder() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return std::filesystem::current_path();
  return exe.parent_path();
}

std::filesystem::path DataFolder() {
  std::lock_guard lock(g_folder_mutex);
  if (!g_folder) g_folder = ExecutableFolder();
  return *g_folder;
}

void SetDataFolder(const std::filesystem::path& folder) {
  std::lock_guard lock(g_folder_mutex);
  g_folder = folder;
}

std::filesystem::path PathOf(RefDb db) { return DataFolder() / FileNameOf(db); }

int ResultSet::Column(std::string_view name) const {
  for (std::size_t i = 0; i < columns_.size(); ++i)
    if (columns_[i].size() == name.size() && strncasecmp(columns_[i].data(), name.data(), name.size()) == 0)
      return static_cast<int>(i);
  return -1;
}

const ResultSet::Cell* ResultSet::At(int row, int col) const {
  if (row < 0 || row >= RowCount() || col < 0 || col >= ColumnCount()) return nullptr;
  return &rows_[row][col];
}

bool ResultSet::IsNull(int row, int col) const {
  const Cell* c = At(row, col);
  return !c || c->kind == Cell::kNull;
}

Gbk ResultSet::Text(int row, int col) const {
  const Cell* c = At(row, col);
  if (!c) return Gbk();
  switch (c->kind) {
    case Cell::kNull: return Gbk();
    case Cell::kInt: return Gbk::Number(c->i);
    case Cell::kReal: return Gbk(FormatReal(c->r));
    case Cell::kText:
      try {
        return Gbk::FromUtf8(c->text);
      } catch (const GbkError&) {
        return Gbk();  // the build refuses such data; an outside file may still hold it
      }
  }
  return Gbk();
}

long long ResultSet::Int(int row, int col) const {
  const Cell* c = At(row, col);
  if (!c) return 0;
  switch (c->kind) {
    case Cell::kNull: return 0;
    case Cell::kInt: return c->i;
    case Cell::kReal: return static_cast<long long>(c->r);
    case Cell::kText: return std::strtoll(c->text.c_str(), nullptr, 10);
  }
  return 0;
}

double ResultSet::Real(int row, int col) const {
  const Cell* c = At(row, col);
  if (!c) return 0;
  switch (c->kind) {
    case Cell::kNull: return 0;
    case Cell::kInt: return static_cast<double>(c->i);
    case Cell::kReal: return c->r;
    case Cell::kText: return std::strtod(c->text.c_str(), nullptr);
  }
  return 0;
}

Connection::Connection(RefDb db) { Open(PathOf(db)); }
Connection::Connection(const std::filesystem::path& file) { Open(file); }

void Connection::Open(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) {
    open_error_ = "无法打开数据库文件 " + file.string() + "：文件不存在";
    return;
  }
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(UriOf(file).c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_FULLMUTEX,
                           nullptr);
  if (rc != SQLITE_OK) {
    open_error_ = "无法打开数据库文件 " + file.string() + "：" + (db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    sqlite3_close(db);
    return;
  }
  db_ = db;
}

Connection::~Connection() {
  if (db_) sqlite3_close_v2(db_);
}

void Connection::Interrupt() {
  if (db_) sqlite3_interrupt(db_);
}

ResultSet Connection::Run(const Gbk& sql) {
  if (!db_) throw DbError(open_error_);
  std::string text = sql.ToUtf8();
  sqlite3_stmt* stmt = nullptr;
  const char* tail = nullptr;
  int rc = sqlite3_prepare_v2(db_, text.c_str(), static_cast<int>(text.size()), &stmt, &tail);
  if (rc != SQLITE_OK) throw DbError(std::string("数据库错误：") + sqlite3_errmsg(db_));
  if (!stmt) throw DbError("数据库错误：SQL 语句为空");
  ResultSet result;
  int n = sqlite3_column_count(stmt);
  for (int i = 0; i < n; ++i) result.columns_.emplace_back(sqlite3_column_name(stmt, i));
  while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    std::vector<ResultSet::Cell> row(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
      ResultSet::Cell& c = row[static_cast<std::size_t>(i)];
      switch (sqlite3_column_type(stmt, i)) {
        case SQLITE_INTEGER:
          c.kind = ResultSet::Cell::kInt;
          c.i = sqlite3_column_int64(stmt, i);
          break;
        case SQLITE_FLOAT:
          c.kind = ResultSet::Cell::kReal;
          c.r = sqlite3_column_double(stmt, i);
          break;
        case SQLITE_NULL: break;
        default: {
          c.kind = ResultSet::Cell::kText;
          const unsigned char* t = sqlite3_column_text(stmt, i);
          c.text.assign(reinterpret_cast<const char*>(t), static_cast<std::size_t>(sqlite3_column_bytes(stmt, i)));
        }
      }
    }
    result.rows_.push_back(std::move(row));
  }
  if (rc != SQLITE_DONE) {
    std::string message = std::string("数据库错误：") + sqlite3_errmsg(db_);
    sqlite3_finalize(stmt);
    throw DbError(message);
  }
  sqlite3_finalize(stmt);
  return result;
}

void Query::AddLine(const Gbk& line) {
  if (!sql_.empty()) sql_ += Gbk::Ascii("\n");
  sql_ += line;
}

void Query::Open() {
  result_.reset();
  result_ = connection_->Run(sql_);
}

const ResultSet& Query::Result() const {
  static const ResultSet kEmpty;
  return result_ ? *result_ : kEmpty;
}

ResultSet RunOneShot(RefDb db, const Gbk& sql) {
  Connection connection(db);
  return connection.Run(sql);
}

}  // namespace mirevo
