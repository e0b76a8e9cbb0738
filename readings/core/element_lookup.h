// The character element lookup: the elements of up to five typed characters.
#pragma once

#include <functional>
#include <optional>

#include "app/core/gbk.h"
#include "data/core/refdb.h"

namespace mirevo {

// The input holds at most this many bytes: five characters of two bytes.
inline constexpr int kElementLookupBytes = 10;

// The elements of the pieces of the trimmed text at the byte positions 1, 3, 5,
// 7 and 9 (two bytes each, so a single-byte character shifts the pieces), joined
// without separator; a piece the dictionary lacks adds nothing. `element_of`
// answers one piece (the dictionary lookup; its errors reach the caller).
// std::nullopt when the text is blank: there is nothing to look up.
std::optional<Gbk> ElementLookupResult(const Gbk& text, const std::function<Gbk(const Gbk& piece)>& element_of);

// The same on the dictionary through a query of the naming connection; a
// database error reaches the caller as DbError.
std::optional<Gbk> ElementLookupResult(const Gbk& text, Query& plan_query);

}  // namespace mirevo
