// The candidate query: one SQL text per stroke plan or per batch of plans, which
// joins dictionary characters into full names tagged with the plan's score.
#pragma once

#include <vector>

#include "app/core/gbk.h"
#include "naming/core/workbench_inputs.h"

namespace mirevo {

// A run works on the one plan the user picked or on all plans in batches; the
// two shapes differ in their offsets and in the order rows are fetched.
enum class QueryMode { kSinglePlan, kPlanBatch };

// The strokes and the score text of a plan entry: d of the first given-name
// character, c of the second (0 for a one-character given name), score as (95分).
struct PlanStrokes {
  int d = 0;
  int c = 0;
  Gbk score;
  friend bool operator==(const PlanStrokes&, const PlanStrokes&) = default;
};

// Reads a plan entry such as 7|16-9(95分). Throws ConversionError when its stroke
// parts are no whole numbers.
PlanStrokes ParsePlanEntry(const Gbk& entry, bool two_given);

// The character filters: E (elements), S (sex) and T (the mark the second
// given-name character needs).
Gbk ElementFilter(const ElementSet& elements);
Gbk SexFilter(const WorkbenchInputs& inputs);
Gbk SecondCharacterMark(bool male);

// The select of one plan; `second` tells whether it joins a second given-name
// character (the wrap then asks for a suitable mark).
struct PlanSelect {
  Gbk text;
  bool second = false;
};
PlanSelect BuildPlanSelect(const WorkbenchInputs& inputs, QueryMode mode, const PlanStrokes& plan);

// The whole SQL text for one plan (kSinglePlan) or a batch of plans, in list
// order. `plans` must not be empty.
Gbk BuildCandidateQuery(const WorkbenchInputs& inputs, QueryMode mode, const std::vector<PlanStrokes>& plans);

}  // namespace mirevo
