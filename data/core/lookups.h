// Lookups in the character dictionary (table word) and the stroke-combination
// scores (table zh) of Dazezed.dll.
#pragma once

#include "app/core/gbk.h"
#include "data/core/refdb.h"

namespace mirevo {

// Stroke count of one character (2 bytes), tried first as a simplified form (zi),
// then as a traditional form (ft); 0 when the dictionary gives none.
// This form runs on the given query (the naming connection's plan query); a
// database error reaches the caller as DbError.
int StrokeCount(Query& plan_query, const Gbk& character);
// One-shot form: its own connection to Dazezed.dll; a database error counts as 0.
int StrokeCount(const Gbk& character);

// Element (wuhang) of one character as stored, simplified form first, then
// traditional; empty when the dictionary gives none. Runs on the given query; a
// database error reaches the caller as DbError.
Gbk CharacterElement(Query& plan_query, const Gbk& character);

// Stored score of the stroke combination of a name's four character positions
// (each one character or empty for a position the name lacks); 0 when the table
// holds none or the lookup fails.
int StrokeComboScore(const Gbk& surname1, const Gbk& surname2, const Gbk& given1, const Gbk& given2);

}  // namespace mirevo
