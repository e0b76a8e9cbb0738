// Window tests record the message boxes instead of showing them (no modal box
// can block a headless test): install RecordMessage with SetMessageSink.
#pragma once

#include <QString>
#include <QStringList>

namespace mirevo::testing {

// The messages shown so far, each as "kind:text" (kind: information or error).
inline QStringList g_messages;

inline void RecordMessage(const char* kind, const QString&, const QString& text) {
  g_messages << QString::fromLatin1(kind) + QLatin1Char(':') + text;
}

}  // namespace mirevo::testing
