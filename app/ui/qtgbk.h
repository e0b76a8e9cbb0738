// Windows convert text at their edge: QString in, GBK out, and back.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "app/core/gbk.h"
#include "app/core/report_file.h"

class QWidget;

namespace mirevo {

// Throws GbkError when the text holds a character GBK cannot hold.
Gbk ToGbk(const QString& text);
QString ToQString(const Gbk& text);
QString ToQString(const std::string& utf8);
QStringList ToQStringList(const ReportLines& lines);

// Converts a text the user typed; when GBK cannot hold it, shows the message in
// the information box (title 提示) and returns std::nullopt.
std::optional<Gbk> UserTextToGbk(QWidget* parent, const QString& text);

}  // namespace mirevo
