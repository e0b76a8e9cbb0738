// How report text leaves a window: saved as a text file, printed, copied.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "app/core/report_file.h"

class QTextEdit;
class QWidget;
class QPrinter;

namespace mirevo {

// The lines of a report pane, as GBK.
ReportLines PaneLines(const QTextEdit* pane);

// Lets the user pick a file and writes the pane's lines to it as GBK text with
// CR LF line ends; ".txt" is always appended to the chosen name. An empty report
// does nothing. A failed write shows a clear message; an existing file is never
// left half-written.
void SaveReportAsText(QWidget* parent, const QTextEdit* pane, const Gbk& proposed_name);

// Prints the pane at once on the default printer (A4, margins 12.7 mm, header and
// footer 6.35 mm). A printing error is shown in the error box.
void PrintReport(QWidget* parent, const QTextEdit* pane);

// The page setup of the printout, from which the user can also preview and print.
void ReportPageSetup(QWidget* parent, const QTextEdit* pane);

// Puts the lines, joined with line breaks, on the clipboard as text.
void CopyLinesToClipboard(const QStringList& lines);

// Tests replace the save dialog: it gets the title, the proposed file name and
// the filter, and answers the chosen name or nothing (cancelled).
using SaveDialogHook = std::function<std::optional<QString>(QWidget*, const QString& title, const QString& file_name,
                                                            const QString& filter)>;
void SetSaveDialogHook(SaveDialogHook hook);
// Tests replace the printer: the hook gets the pane's document ready to print.
using PrintHook = std::function<void(const QTextEdit*)>;
void SetPrintHook(PrintHook hook);

// A4 with the report margins, for printing and previews.
void SetupReportPrinter(QPrinter& printer);

}  // namespace mirevo
