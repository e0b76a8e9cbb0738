// The program's message boxes.
#pragma once

#include <QString>

#include "app/core/gbk.h"

class QWidget;

namespace mirevo {

// The information message box: the message, the title "提示", one OK button and
// the information icon. Every input check uses it.
void ShowInformation(QWidget* parent, const Gbk& message);
void ShowInformation(QWidget* parent, const QString& message);
// The standard error box for an error that reaches a window (database errors,
// conversion errors): the error's text, one OK button, the error icon.
void ShowErrorBox(QWidget* parent, const QString& message);

// Tests replace the boxes by a recorder so that no modal box blocks them.
// kind is "information" or "error".
using MessageSink = void (*)(const char* kind, const QString& title, const QString& text);
void SetMessageSink(MessageSink sink);

}  // namespace mirevo
