// Reports are lists of GBK lines. This is how such a report becomes a text file.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/core/gbk.h"

namespace mirevo {

using ReportLines = std::vector<Gbk>;

// Bytes that may not stand in a proposed file name: * / < > ? \ |
bool IsForbiddenNameByte(unsigned char byte);

// The file name to put into the save dialog for a proposed name: the name with
// surrounding blanks removed, or "*.txt" when any of its bytes (the second byte of
// a double-byte character too) is a forbidden one.
Gbk DialogFileName(const Gbk& proposed);

// The file that is written for the name the user chose: ".txt" is always
// appended, even when the name already ends in .txt.
std::string SavedFileName(const std::string& chosen);

// True when every line is blank (nothing worth saving).
bool IsBlankReport(const ReportLines& lines);

// Writes the lines as GBK text, each followed by CR LF, replacing an existing
// file. The text goes to a temporary file beside the target first and is renamed
// over it, so an existing file is never left half-written. Returns an empty text
// on success, otherwise the reason (UTF-8).
std::string WriteReportFile(const std::filesystem::path& file, const ReportLines& lines);

}  // namespace mirevo
