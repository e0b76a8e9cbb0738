#include "app/ui/qtgbk.h"

#include "app/ui/messages.h"

namespace mirevo {

Gbk ToGbk(const QString& text) {
  QByteArray utf8 = text.toUtf8();
  return Gbk::FromUtf8(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

QString ToQString(const Gbk& text) { return ToQString(text.ToUtf8()); }

QString ToQString(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

QStringList ToQStringList(const ReportLines& lines) {
  QStringList out;
  out.reserve(static_cast<qsizetype>(lines.size()));
  for (const Gbk& line : lines) out << ToQString(line);
  return out;
}

std::optional<Gbk> UserTextToGbk(QWidget* parent, const QString& text) {
  try {
    return ToGbk(text);
  } catch (const GbkError& e) {
    ShowInformation(parent, UnencodableMessage(e));
    return std::nullopt;
  }
}

}  // namespace mirevo
