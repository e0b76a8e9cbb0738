// Access to the five reference databases. Each is an SQLite file beside the
// executable, opened read-only (no journal, no lock). Texts go in and come out as
// GBK; the files themselves store UTF-8.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/core/gbk.h"

struct sqlite3;

namespace mirevo {

enum class RefDb { Dazezed, KelFile, KelBirth, Dream, Tgcode };

// The file name of a database: Dazezed.dll, KelFile.dll, KelBirth.dll, dream.dll, Tgcode.dll.
const char* FileNameOf(RefDb db);

// The folder the databases are read from; the executable's folder unless set.
std::filesystem::path DataFolder();
void SetDataFolder(const std::filesystem::path& folder);
std::filesystem::path PathOf(RefDb db);
// The folder of the running executable.
std::filesystem::path ExecutableFolder();

// A database error: missing or damaged file, broken SQL, interrupted query.
// The message is UTF-8.
class DbError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The rows of one query, read completely when the query opens, so that the row
// count is known at once and any row can be read in any order.
class ResultSet {
 public:
  int RowCount() const { return static_cast<int>(rows_.size()); }
  bool Empty() const { return rows_.empty(); }
  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  // Column index by name (case-insensitive), or -1.
  int Column(std::string_view name) const;

  // Values of row `row` (0-based) and column `col`. A missing row, a missing
  // column or NULL reads as the empty text or 0.
  Gbk Text(int row, int col) const;
  Gbk Text(int row, std::string_view column) const { return Text(row, Column(column)); }
  long long Int(int row, int col) const;
  long long Int(int row, std::string_view column) const { return Int(row, Column(column)); }
  double Real(int row, int col) const;
  double Real(int row, std::string_view column) const { return Real(row, Column(column)); }
  bool IsNull(int row, int col) const;

 private:
  friend class Connection;
  struct Cell {
    enum Kind : unsigned char { kNull, kInt, kReal, kText } kind = kNull;
    long long i = 0;
    double r = 0;
    std::string text;  // UTF-8
  };
  const Cell* At(int row, int col) const;
  std::vector<std::string> columns_;
  std::vector<std::vector<Cell>> rows_;
};

// One read-only connection. If the file cannot be opened the connection stays in
// a failed state and every query on it fails with the same message.
class Connection {
 public:
  explicit Connection(RefDb db);
  explicit Connection(const std::filesystem::path& file);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  bool ok() const { return db_ != nullptr; }
  // The reason the file could not be opened (empty when it could).
  const std::string& open_error() const { return open_error_; }

  // Runs `sql` (GBK) and reads every row. Throws DbError.
  ResultSet Run(const Gbk& sql);
  // Makes a query running on this connection in another thread fail at once
  // (DbError). Safe to call from any thread.
  void Interrupt();

 private:
  void Open(const std::filesystem::path& file);
  sqlite3* db_ = nullptr;
  std::string open_error_;
};

// A query object on a connection, in the manner of the windows: it holds an SQL
// text made of lines, is opened and closed, and reports its rows.
class Query {
 public:
  explicit Query(Connection& connection) : connection_(&connection) {}

  void Close() { result_.reset(); }
  bool IsOpen() const { return result_.has_value(); }
  void ClearSql() { sql_ = Gbk(); }
  void SetSql(const Gbk& sql) { sql_ = sql; }
  // Appends a line (the lines are joined with a line break).
  void AddLine(const Gbk& line);
  const Gbk& Sql() const { return sql_; }
  // Runs the SQL text. Throws DbError; the query is then closed.
  void Open();
  // The rows of the open query (an empty set when closed).
  const ResultSet& Result() const;
  int RowCount() const { return Result().RowCount(); }

 private:
  Connection* connection_;
  Gbk sql_;
  std::optional<ResultSet> result_;
};

// A one-shot lookup: opens its own connection to `db`, runs `sql`, reads every
// row, closes and releases. Throws DbError.
ResultSet RunOneShot(RefDb db, const Gbk& sql);

}  // namespace mirevo
