// The eight-characters chart report: from the workbench's birth inputs to the
// lines of the chart, as the hidden pane REbazi, the note window and the command
// line show them.
#pragma once

#include "app/core/birth_moment.h"
#include "app/core/datetime.h"
#include "app/core/gbk.h"
#include "app/core/report_file.h"

namespace mirevo {

struct ChartRequest {
  Gbk surname;        // the surname field as typed
  BirthMoment birth;  // the pickers' texts as shown
};

struct ChartReport {
  enum Outcome {
    kRefused,          // an input check failed: `message` in the information box, nothing printed
    kConversionError,  // a date or number text is none: `message` in the error box, nothing printed
    kCutShort,         // the bone-weight tables could not be read: `lines` end after their heading, no note window
    kComplete,         // `lines` hold the whole chart
  };
  Outcome outcome = kRefused;
  Gbk message;
  bool focus_surname = false;  // the failed check is the surname's
  ReportLines lines;

  bool printed() const { return outcome == kCutShort || outcome == kComplete; }
};

// The caption of the note window that shows a chart: 您的八字分析结果...
const Gbk& ChartNoteCaption();

// The chart of the birth inputs, with the age counted in the year of `today`.
// A lunar date is converted to its Gregorian date first; a date outside the lunar
// calendar's range (31 January 1900 to 31 December 2100) or a lunar date that does
// not exist is refused with a message.
ChartReport PrintChart(const ChartRequest& request, const CivilDate& today);

}  // namespace mirevo
