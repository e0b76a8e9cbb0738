// Small databases and folders for tests.
#pragma once

#include <filesystem>
#include <string>

namespace mirevo::testing {

// A fresh empty folder under the system's temporary folder, removed when the
// object goes away.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// Creates (or replaces) an SQLite database at `file` by running `sql` (UTF-8,
// several statements). Aborts the test program on an SQL error.
void WriteDatabase(const std::filesystem::path& file, const std::string& sql);

// Writes `bytes` to `file` as they are.
void WriteFile(const std::filesystem::path& file, const std::string& bytes);

// The folder of the built program and its reference databases (build/bin).
std::filesystem::path BinFolder();

}  // namespace mirevo::testing
