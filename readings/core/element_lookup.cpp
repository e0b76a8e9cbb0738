#include "readings/core/element_lookup.h"

#include "data/core/lookups.h"

namespace mirevo {

std::optional<Gbk> ElementLookupResult(const Gbk& text, const std::function<Gbk(const Gbk& piece)>& element_of) {
  const Gbk s = text.Trimmed();
  if (s.empty()) return std::nullopt;
  Gbk result;
  for (std::size_t pos = 1; pos < kElementLookupBytes; pos += 2) {
    const Gbk piece = s.Slice(pos, 2);
    if (!piece.empty()) result += element_of(piece);
  }
  return result;
}

std::optional<Gbk> ElementLookupResult(const Gbk& text, Query& plan_query) {
  return ElementLookupResult(text, [&](const Gbk& piece) { return CharacterElement(plan_query, piece); });
}

}  // namespace mirevo
