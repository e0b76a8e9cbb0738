#include "app/ui/messages.h"

#include <QApplication>
#include <QMessageBox>

#include "app/ui/qtgbk.h"

namespace mirevo {
namespace {
MessageSink g_sink = nullptr;
}

void SetMessageSink(MessageSink sink) { g_sink = sink; }

void ShowInformation(QWidget* parent, const Gbk& message) { ShowInformation(parent, ToQString(message)); }

void ShowInformation(QWidget* parent, const QString& message) {
  const QString title = QStringLiteral("提示");
  if (g_sink) return g_sink("information", title, message);
  QMessageBox::information(parent, title, message, QMessageBox::Ok);
}

void ShowErrorBox(QWidget* parent, const QString& message) {
  const QString title = QApplication::applicationName().isEmpty() ? QStringLiteral("Mirevo") : QApplication::applicationName();
  if (g_sink) return g_sink("error", title, message);
  QMessageBox::critical(parent, title, message, QMessageBox::Ok);
}

}  // namespace mirevo
