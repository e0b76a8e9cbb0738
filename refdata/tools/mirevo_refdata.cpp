// Builds one reference database from its text sources:
//   mirevo-refdata OUT.dll SCHEMA.sql TABLE.tsv...
// Each TABLE.tsv fills the table named like the file. The database is written to
// a temporary file first and renamed at the end, so a failure never leaves a
// half-made database behind.
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/core/gbk.h"

namespace fs = std::filesystem;

namespace {

struct Failure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  if (!in) throw Failure("cannot read " + p.string());
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void Exec(sqlite3* db, const std::string& sql) {
  char* err = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
    std::string m = err ? err : "unknown error";
    sqlite3_free(err);
    throw Failure(m);
  }
}

// Splits a line at TABs and undoes the escapes \t \n \\ ; a field that is exactly
// \N is NULL (returned as nullopt).
std::vector<std::optional<std::string>> SplitFields(const std::string& line, const std::string& where) {
  std::vector<std::optional<std::string>> fields;
  std::string raw;
  auto finish = [&] {
    if (raw == "\\N") {
      fields.emplace_back(std::nullopt);
    } else {
      std::string out;
      for (std::size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] == '\\' && i + 1 < raw.size()) {
          char n = raw[++i];
          if (n == 't') out += '\t';
          else if (n == 'n') out += '\n';
          else if (n == '\\') out += '\\';
          else throw Failure(where + ": unknown escape \\" + std::string(1, n));
        } else if (raw[i] == '\\') {
          throw Failure(where + ": a lone backslash at the end of a field");
        } else {
          out += raw[i];
        }
      }
      fields.emplace_back(std::move(out));
    }
    raw.clear();
  };
  for (char ch : line) {
    if (ch == '\t') finish();
    else raw += ch;
  }
  finish();
  return fields;
}

std::map<std::string, std::string> ColumnTypes(sqlite3* db, const std::string& table) {
  std::map<std::string, std::string> types;
  sqlite3_stmt* st = nullptr;
  std::string sql = "PRAGMA table_info(\"" + table + "\")";
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) != SQLITE_OK) throw Failure(sqlite3_errmsg(db));
  while (sqlite3_step(st) == SQLITE_ROW) {
    std::string name = reinterpret_cast<const char*>(sqlite3_column_text(st, 1));
    std::string type = reinterpret_cast<const char*>(sqlite3_column_text(st, 2));
    types[name] = type;
  }
  sqlite3_finalize(st);
  if (types.empty()) throw Failure("no table " + table + " in the schema");
  return types;
}

long long LoadTable(sqlite3* db, const fs::path& tsv) {
  const std::string table = tsv.stem().string();
  const auto types = ColumnTypes(db, table);
  std::istringstream in(ReadFile(tsv));
  std::string line;
  std::vector<std::string> columns;
  sqlite3_stmt* insert = nullptr;
  long long rows = 0;
  int line_no = 0;
  try {
    while (std::getline(in, line)) {
      ++line_no;
      if (!line.empty() && line.back() == '\r') throw Failure(tsv.string() + ":" + std::to_string(line_no) + ": CR LF line end");
      if (line.empty() || line[0] == '#') continue;
      const std::string where = tsv.string() + ":" + std::to_string(line_no);
      auto fields = SplitFields(line, where);
      if (columns.empty()) {
        std::string names, marks;
        for (auto& f : fields) {
          if (!f || !types.count(*f)) throw Failure(where + ": no column " + f.value_or("\\N") + " in table " + table);
          columns.push_back(*f);
          names += (names.empty() ? "\"" : ",\"") + *f + "\"";
          marks += marks.empty() ? "?" : ",?";
        }
        std::string sql = "INSERT INTO \"" + table + "\" (" + names + ") VALUES (" + marks + ")";
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &insert, nullptr) != SQLITE_OK) throw Failure(sqlite3_errmsg(db));
        continue;
      }
      if (fields.size() != columns.size())
        throw Failure(where + ": " + std::to_string(fields.size()) + " fields, the header names " +
                      std::to_string(columns.size()));
      sqlite3_reset(insert);
      for (std::size_t i = 0; i < fields.size(); ++i) {
        int at = static_cast<int>(i) + 1;
        const auto& f = fields[i];
        if (!f) {
          sqlite3_bind_null(insert, at);
          continue;
        }
        const std::string& type = types.at(columns[i]);
        if (type == "INTEGER") {
          auto v = mirevo::TryParseInt(*f);
          if (!v) throw Failure(where + ": column " + columns[i] + " wants a whole number, not '" + *f + "'");
          sqlite3_bind_int64(insert, at, *v);
        } else if (type == "REAL") {
          char* end = nullptr;
          double v = std::strtod(f->c_str(), &end);
          if (f->empty() || *end) throw Failure(where + ": column " + columns[i] + " wants a number, not '" + *f + "'");
          sqlite3_bind_double(insert, at, v);
        } else {
          try {
            (void)mirevo::Gbk::FromUtf8(*f);
          } catch (const mirevo::GbkError& e) {
            throw Failure(where + ": column " + columns[i] + ": " + e.what());
          }
          sqlite3_bind_text(insert, at, f->data(), static_cast<int>(f->size()), SQLITE_TRANSIENT);
        }
      }
      if (sqlite3_step(insert) != SQLITE_DONE) throw Failure(where + ": " + sqlite3_errmsg(db));
      ++rows;
    }
    if (columns.empty()) throw Failure(tsv.string() + ": no header line");
  } catch (...) {
    sqlite3_finalize(insert);
    throw;
  }
  sqlite3_finalize(insert);
  return rows;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: mirevo-refdata OUT.dll SCHEMA.sql [TABLE.tsv...]\n";
    return 2;
  }
  const fs::path out = argv[1];
  const fs::path tmp = out.string() + ".tmp";
  std::error_code ec;
  fs::remove(tmp, ec);
  sqlite3* db = nullptr;
  try {
    if (sqlite3_open(tmp.string().c_str(), &db) != SQLITE_OK) throw Failure("cannot create " + tmp.string());
    Exec(db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF;");
    Exec(db, ReadFile(argv[2]));
    Exec(db, "BEGIN");
    for (int i = 3; i < argc; ++i) {
      long long n = LoadTable(db, argv[i]);
      std::cout << out.filename().string() << ": " << fs::path(argv[i]).stem().string() << " " << n << " rows\n";
    }
    Exec(db, "COMMIT");
    Exec(db, "ANALYZE");
    if (sqlite3_close(db) != SQLITE_OK) throw Failure("cannot close " + tmp.string());
    db = nullptr;
    fs::rename(tmp, out);
  } catch (const std::exception& e) {
    if (db) sqlite3_close(db);
    fs::remove(tmp, ec);
    std::cerr << "mirevo-refdata: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
