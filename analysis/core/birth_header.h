// The checks of an analysis request and the five-line birth header above the
// report: name and age, Gregorian birth moment, lunar date, zodiac animal and
// constellation.
#pragma once

#include <optional>

#include "app/core/birth_moment.h"
#include "app/core/datetime.h"
#include "app/core/gbk.h"
#include "app/core/report_file.h"

namespace mirevo {

// What the analysis window holds when its button is pressed: the texts as typed.
struct AnalysisRequest {
  Gbk surname;
  Gbk given;
  BirthMoment birth;  // its sex takes no part in the analysis
};

// A request that passed every check, with its header.
struct BirthHeader {
  Gbk surname;        // trimmed
  Gbk given;          // trimmed
  DateValue gregorian = 0;  // the birth date, converted when it was given as lunar
  ReportLines lines;  // the five header lines
};

// Either the header or the message of the first check that failed.
struct HeaderOutcome {
  std::optional<BirthHeader> header;
  Gbk message;  // empty when header is set
};

// Checks the request in the window's order (surname, given name, year, month,
// day, hour; then hour and minute values, then the date) and writes the header;
// the age is `today`'s year minus the birth year.
HeaderOutcome MakeBirthHeader(const AnalysisRequest& request, const CivilDate& today);

}  // namespace mirevo
