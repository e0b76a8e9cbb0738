// Stroke plans: the scored stroke combinations of table zh offered for a surname,
// as the entries of the stroke-plan box (CBCode).
#pragma once

#include <optional>
#include <vector>

#include "app/core/gbk.h"
#include "data/core/refdb.h"
#include "naming/core/workbench_inputs.h"

namespace mirevo {

// The first entry of every plan list: work through all the plans.
const Gbk& AutomaticPlan();  // "电脑全自动"

// What the plan query is made of: the name form, the surname's strokes (s2 only
// for a two-character surname), the strokes of a fixed first (f2) or second (f3)
// given-name character (0: none) and the minimum score, if one is wanted.
struct PlanQueryTerms {
  NameFormCode code;
  int s1 = 0;
  int s2 = 0;
  int f2 = 0;
  int f3 = 0;
  std::optional<int> minimum;
};

// The SQL lines of the plan query.
std::vector<Gbk> StrokePlanSql(const PlanQueryTerms& terms);

// The entry text of one zh row: 7|16(95分), 7|16-9(95分), 12-5|6(88分), 12-5|6-11(88分).
Gbk PlanEntryText(NameFormCode code, int s1, int s2, const Gbk& bh21, const Gbk& bh22, const Gbk& zf);

struct StrokePlans {
  NameFormCode code;
  std::vector<Gbk> entries;  // "电脑全自动" first, then one entry per plan
};

// Looks up the strokes of the surname and the fixed character and runs the plan
// query on `plan_query` (closed again afterwards). Throws DbError from the
// database and ConversionError when a minimum score is wanted but is no whole
// number.
StrokePlans BuildStrokePlans(Query& plan_query, const WorkbenchInputs& inputs);

}  // namespace mirevo
