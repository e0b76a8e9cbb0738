#include "app/workbench/startup.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace mirevo {

void StartUp(QApplication& app) {
  QApplication::setApplicationName(QStringLiteral("Mirevo"));
  QApplication::setApplicationDisplayName(QStringLiteral("Mirevo"));
  // 宋体 is a serif face; the Noto CJK families stand in for it and for the other
  // Chinese faces the windows name.
  const QStringList serif = {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                             QStringLiteral("AR PL UMing CN"), QStringLiteral("WenQuanYi Zen Hei")};
  const QStringList sans = {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Serif CJK SC"),
                            QStringLiteral("WenQuanYi Zen Hei")};
  QFont::insertSubstitutions(QStringLiteral("宋体"), serif);
  QFont::insertSubstitutions(QStringLiteral("SimSun"), serif);
  QFont::insertSubstitutions(QStringLiteral("隶书"), serif);
  QFont::insertSubstitutions(QStringLiteral("黑体"), sans);
  QFont font(QStringLiteral("宋体"));
  font.setPixelSize(12);
  app.setFont(font);
}

}  // namespace mirevo
