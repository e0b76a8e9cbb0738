#include "app/core/gbk.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

namespace mirevo {
namespace {

// One conversion descriptor per direction and thread; iconv_t is not thread-safe.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert between UTF-8 and GBK");
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts `in`. On an input sequence that cannot be converted, returns false and
  // sets `bad_at` to its offset in `in`.
  bool Convert(std::string_view in, std::string& out, std::size_t& bad_at) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    out.clear();
    out.resize(in.size() * 2 + 8);
    char* src = const_cast<char*>(in.data());
    std::size_t src_left = in.size();
    char* dst = out.data();
    std::size_t dst_left = out.size();
    while (src_left > 0) {
      std::size_t r = iconv(cd_, &src, &src_left, &dst, &dst_left);
      if (r != static_cast<std::size_t>(-1)) break;
      if (errno == E2BIG) {
        std::size_t used = out.size() - dst_left;
        out.resize(out.size() * 2);
        dst = out.data() + used;
        dst_left = out.size() - used;
        continue;
      }
      bad_at = in.size() - src_left;
      out.resize(out.size() - dst_left);
      return false;
    }
    out.resize(out.size() - dst_left);
    return true;
  }

 private:
  iconv_t cd_;
};

Converter& ToGbk() {
  thread_local Converter c("GBK", "UTF-8");
  return c;
}
Converter& ToUtf8Converter() {
  thread_local Converter c("UTF-8", "GBK");
  return c;
}

bool IsAscii(std::string_view s) {
  for (unsigned char ch : s)
    if (ch >= 0x80) return false;
  return true;
}

// Length of the UTF-8 sequence that starts with `lead` (1 for a stray byte).
std::size_t Utf8Length(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

}  // namespace

Gbk Gbk::FromUtf8(std::string_view utf8) {
  if (IsAscii(utf8)) return Gbk(std::string(utf8));
  std::string out;
  std::size_t bad_at = 0;
  if (!ToGbk().Convert(utf8, out, bad_at)) {
    std::string offending(utf8.substr(bad_at, Utf8Length(static_cast<unsigned char>(utf8[bad_at]))));
    throw GbkError("text holds a character that GBK cannot encode: " + offending, offending);
  }
  return Gbk(std::move(out));
}

std::string Gbk::ToUtf8() const {
  if (IsAscii(bytes_)) return bytes_;
  std::string result;
  std::string_view rest(bytes_);
  while (!rest.empty()) {
    std::string part;
    std::size_t bad_at = 0;
    if (ToUtf8Converter().Convert(rest, part, bad_at)) {
      result += part;
      break;
    }
    result += part;
    result += "\xEF\xBF\xBD";  // U+FFFD for a byte that is no GBK character
    rest.remove_prefix(bad_at + 1);
  }
  return result;
}

Gbk Gbk::Slice(std::size_t pos, std::size_t count) const {
  if (pos < 1) {
    if (count <= 1 - pos) return Gbk();
    count -= 1 - pos;
    pos = 1;
  }
  if (pos > bytes_.size()) return Gbk();
  return Gbk(bytes_.substr(pos - 1, count));
}

Gbk Gbk::From(std::size_t pos) const { return Slice(pos, std::string::npos); }

Gbk Gbk::Trimmed() const {
  std::size_t b = 0, e = bytes_.size();
  while (b < e && static_cast<unsigned char>(bytes_[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(bytes_[e - 1]) <= ' ') --e;
  return Gbk(bytes_.substr(b, e - b));
}

std::size_t Gbk::Pos(const Gbk& needle, std::size_t from) const {
  if (needle.empty() || from < 1 || from > bytes_.size()) return 0;
  std::size_t at = bytes_.find(needle.bytes_, from - 1);
  return at == std::string::npos ? 0 : at + 1;
}

bool Gbk::StartsWith(const Gbk& prefix) const { return bytes_.starts_with(prefix.bytes_); }
bool Gbk::EndsWith(const Gbk& suffix) const { return bytes_.ends_with(suffix.bytes_); }

Gbk Gbk::PaddedTo(std::size_t width) const {
  if (bytes_.size() >= width) return *this;
  return Gbk(bytes_ + std::string(width - bytes_.size(), ' '));
}

Gbk Gbk::Replaced(const Gbk& what, const Gbk& with) const {
  if (what.empty()) return *this;
  std::string out;
  std::size_t start = 0;
  for (;;) {
    std::size_t at = bytes_.find(what.bytes_, start);
    if (at == std::string::npos) break;
    out.append(bytes_, start, at - start);
    out += with.bytes_;
    start = at + what.bytes_.size();
  }
  out.append(bytes_, start, std::string::npos);
  return Gbk(std::move(out));
}

std::optional<int> TryParseInt(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == text.size()) return std::nullopt;
  long long value = 0;
  for (; i < text.size(); ++i) {
    char ch = text[i];
    if (ch < '0' || ch > '9') return std::nullopt;
    value = value * 10 + (ch - '0');
    if (value > 2147483648LL) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > 2147483647LL || value < -2147483648LL) return std::nullopt;
  return static_cast<int>(value);
}

int ParseInt(const Gbk& text) {
  if (auto v = TryParseInt(text)) return *v;
  throw ConversionError("“" + text.ToUtf8() + "”不是有效的整数");
}

std::string FormatReal(double value) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", value);
  std::string s(buf);
  if (s == "-0") s = "0";
  return s;
}

Gbk SqlQuoted(const Gbk& text) { return Gbk::Ascii("'") + text.Replaced(Gbk::Ascii("'"), Gbk::Ascii("''")) + Gbk::Ascii("'"); }

Gbk UnencodableMessage(const GbkError& error) {
  // The character itself cannot be shown in GBK, so the message names its code point.
  const std::string& s = error.offending();
  unsigned cp = 0;
  if (!s.empty()) {
    auto b = [&](std::size_t i) { return static_cast<unsigned>(static_cast<unsigned char>(s[i])); };
    switch (s.size()) {
      case 1: cp = b(0); break;
      case 2: cp = ((b(0) & 0x1F) << 6) | (b(1) & 0x3F); break;
      case 3: cp = ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F); break;
      default: cp = ((b(0) & 0x07) << 18) | ((b(1) & 0x3F) << 12) | ((b(2) & 0x3F) << 6) | (b(3) & 0x3F); break;
    }
  }
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", cp);
  return Gbk::FromUtf8("输入的文字中有本程序无法处理的字符（") + Gbk::Ascii(code) +
         Gbk::FromUtf8("），请改用常用汉字。");
}

}  // namespace mirevo
