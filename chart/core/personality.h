// The birthday sketch (性格简评): a text for the day of the month followed by a
// text for the day of the year, built into the program.
#pragma once

#include "app/core/gbk.h"
#include "app/core/report_file.h"

namespace mirevo {

// The built-in text of a key: 1–31 a day of the month, month × 100 + day a day of
// the year; empty for any other key.
Gbk BirthdayText(int key);

// The text of key `day` followed directly by the text of key month × 100 + day;
// a key without a text adds nothing (31 January has only the day-of-month text).
Gbk BirthdayPersonality(int month, int day);

// The separator line, an empty line, 性格简评：, four blanks and the sketch, an
// empty line.
ReportLines PersonalitySection(const Gbk& sketch);

}  // namespace mirevo
