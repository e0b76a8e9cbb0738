// The inputs of the naming workbench as the window hands them to the core: plain
// values read from the controls (texts trimmed, in GBK).
#pragma once

#include <array>

#include "app/core/gbk.h"

namespace mirevo {

// Where the fixed character stands in the full name (CBdijizi).
enum class FixedPosition {
  kSecond,  // 第二字: the first given-name character
  kThird,   // 第三字: the second given-name character
};

// The elements of the filter boxes, in the order 金 木 水 火 土.
using ElementSet = std::array<bool, 5>;

struct WorkbenchInputs {
  Gbk surname;                     // Xing
  bool male = true;                // CBsex index 0
  bool single_given = false;       // CBXingshi index 1 (单字名)
  bool fixed_wanted = false;       // CBzhishukongz
  FixedPosition fixed_position = FixedPosition::kSecond;
  Gbk fixed_character;             // Gudingzi
  bool minimum_wanted = false;     // CBFeeXX
  Gbk minimum_score;               // ZuidiFee
  ElementSet elements{};           // CBjin CBMu CBshui CBhuo CBTu

  bool two_given() const { return !single_given; }
};

// Surname characters × 10 + given-name characters: 11, 12, 21 or 22. A surname of
// exactly two bytes is one character, any other surname counts as two.
struct NameFormCode {
  int surname_characters = 1;
  int given_characters = 2;
  int value() const { return surname_characters * 10 + given_characters; }
  friend bool operator==(const NameFormCode&, const NameFormCode&) = default;
};

inline NameFormCode NameFormOf(const Gbk& surname, bool single_given) {
  return {surname.size() == 2 ? 1 : 2, single_given ? 1 : 2};
}

}  // namespace mirevo
