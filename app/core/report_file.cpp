#include "app/core/report_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace mirevo {

bool IsForbiddenNameByte(unsigned char byte) {
  switch (byte) {
    case '*': case '/': case '<': case '>': case '?': case '\\': case '|': return true;
    default: return false;
  }
}

Gbk DialogFileName(const Gbk& proposed) {
  Gbk name = proposed.Trimmed();
  for (unsigned char byte : name.bytes())
    if (IsForbiddenNameByte(byte)) return Gbk::Ascii("*.txt");
  return name;
}

std::string SavedFileName(const std::string& chosen) { return chosen + ".txt"; }

bool IsBlankReport(const ReportLines& lines) {
  for (const Gbk& line : lines)
    if (!line.Trimmed().empty()) return false;
  return true;
}

std::string WriteReportFile(const std::filesystem::path& file, const ReportLines& lines) {
  std::string text;
  for (const Gbk& line : lines) {
    text += line.bytes();
    text += "\r\n";
  }
  std::filesystem::path temp = file;
  temp += ".part";
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return std::strerror(errno);
  std::size_t done = 0;
  while (done < text.size()) {
    ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      std::string reason = std::strerror(errno);
      ::close(fd);
      ::unlink(temp.c_str());
      return reason;
    }
    done += static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0 || ::close(fd) != 0) {
    std::string reason = std::strerror(errno);
    ::unlink(temp.c_str());
    return reason;
  }
  if (::rename(temp.c_str(), file.c_str()) != 0) {
    std::string reason = std::strerror(errno);
    ::unlink(temp.c_str());
    return reason;
  }
  return {};
}

}  // namespace mirevo
