#include "tests/support/fixture_db.h"

#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>

namespace mirevo::testing {

TempFolder::TempFolder() {
  std::random_device rd;
  auto base = std::filesystem::temp_directory_path();
  for (;;) {
    path_ = base / ("mirevo-test-" + std::to_string(getpid()) + "-" + std::to_string(rd()));
    if (std::filesystem::create_directory(path_)) break;
  }
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void WriteDatabase(const std::filesystem::path& file, const std::string& sql) {
  std::error_code ec;
  std::filesystem::remove(file, ec);
  sqlite3* db = nullptr;
  if (sqlite3_open(file.string().c_str(), &db) != SQLITE_OK) {
    std::fprintf(stderr, "cannot create %s\n", file.string().c_str());
    std::abort();
  }
  char* err = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
    std::fprintf(stderr, "fixture SQL failed: %s\n", err ? err : "?");
    std::abort();
  }
  sqlite3_close(db);
}

void WriteFile(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::filesystem::path BinFolder() {
  if (const char* bin = std::getenv("MIREVO_BIN")) return bin;
  return std::filesystem::path(MIREVO_SOURCE_DIR) / "build" / "bin";
}

}  // namespace mirevo::testing
