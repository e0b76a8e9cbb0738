// GBK byte text. The whole core keeps text in GBK, because positions, cuts and
// padding count bytes (a Chinese character is two bytes).
#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace mirevo {

// Raised when text cannot be held in GBK (an emoji, a character GBK lacks).
class GbkError : public std::runtime_error {
 public:
  GbkError(std::string message, std::string offending_utf8)
      : std::runtime_error(std::move(message)), offending_(std::move(offending_utf8)) {}
  // The first character (UTF-8) that GBK cannot hold.
  const std::string& offending() const { return offending_; }

 private:
  std::string offending_;
};

// Raised when a text is not a whole number where one is needed.
class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Gbk {
 public:
  Gbk() = default;
  // Takes bytes that are already GBK.
  explicit Gbk(std::string bytes) : bytes_(std::move(bytes)) {}
  // ASCII text is the same in GBK and UTF-8.
  static Gbk Ascii(std::string_view ascii) { return Gbk(std::string(ascii)); }
  // Converts UTF-8 to GBK; throws GbkError for a character GBK cannot hold.
  static Gbk FromUtf8(std::string_view utf8);
  // The decimal text of a whole number.
  static Gbk Number(long long value) { return Gbk(std::to_string(value)); }

  // Converts to UTF-8; bytes that are not valid GBK become U+FFFD.
  std::string ToUtf8() const;

  const std::string& bytes() const { return bytes_; }
  std::size_t size() const { return bytes_.size(); }
  bool empty() const { return bytes_.empty(); }

  // `count` bytes starting at 1-based byte position `pos`; clipped to the text.
  Gbk Slice(std::size_t pos, std::size_t count) const;
  // Everything from 1-based byte position `pos` on.
  Gbk From(std::size_t pos) const;
  // The first `count` bytes.
  Gbk Left(std::size_t count) const { return Slice(1, count); }
  // Without leading and trailing blanks and control bytes (bytes up to 32).
  Gbk Trimmed() const;
  // 1-based byte position of the first occurrence of `needle` at or after
  // position `from`; 0 when absent.
  std::size_t Pos(const Gbk& needle, std::size_t from = 1) const;
  bool Contains(const Gbk& needle) const { return Pos(needle) != 0; }
  bool StartsWith(const Gbk& prefix) const;
  bool EndsWith(const Gbk& suffix) const;
  // Padded with blanks at the end to at least `width` bytes.
  Gbk PaddedTo(std::size_t width) const;
  // Every occurrence of `what` replaced by `with`.
  Gbk Replaced(const Gbk& what, const Gbk& with) const;

  Gbk& operator+=(const Gbk& other) {
    bytes_ += other.bytes_;
    return *this;
  }
  friend Gbk operator+(Gbk a, const Gbk& b) { return a += b; }
  friend bool operator==(const Gbk&, const Gbk&) = default;
  friend auto operator<=>(const Gbk&, const Gbk&) = default;

 private:
  std::string bytes_;
};

// A UTF-8 literal as GBK, converted once per place of use:  GBK("姓不能为空!")
#define GBK(utf8_literal)                                        \
  ([]() -> const ::mirevo::Gbk& {                                \
    static const ::mirevo::Gbk converted = ::mirevo::Gbk::FromUtf8(utf8_literal); \
    return converted;                                            \
  }())

// Whole-number parsing: an optional sign and decimal digits, nothing else, within
// 32 bits. std::nullopt when the text is not such a number.
std::optional<int> TryParseInt(std::string_view text);
inline std::optional<int> TryParseInt(const Gbk& text) { return TryParseInt(std::string_view(text.bytes())); }
// As TryParseInt, but throws ConversionError with a message for the user.
int ParseInt(const Gbk& text);

// A real number in general format with 15 significant digits, trailing zeros and a
// trailing decimal point removed: 85, 92.5, 12.5, 4.2 (also for 4.199999999999999).
std::string FormatReal(double value);
inline Gbk RealText(double value) { return Gbk(FormatReal(value)); }

// SQL text literal: the text between single quotes, each single quote doubled.
Gbk SqlQuoted(const Gbk& text);

// The message shown when a user's text holds a character GBK cannot hold.
Gbk UnencodableMessage(const GbkError& error);

}  // namespace mirevo
