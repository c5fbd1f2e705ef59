#pragma once
#include <QString>
#include <functional>

class QWidget;

// Plain message box with one OK button. Tests install a sink to read the
// text instead of blocking on a modal box.
void ShowMessage(QWidget* parent, const QString& text);
void ShowError(QWidget* parent, const QString& text);

// From now on messages go to standard error: nobody is left to answer a
// box (the program is being closed from outside).
void SendMessagesToStandardError(bool on = true);

using MessageSink = std::function<void(const QString&)>;
void SetMessageSink(MessageSink sink);

// The question before unsaved changes would be lost.
enum class UnsavedAnswer { Save, Discard, Cancel };
UnsavedAnswer AskSaveChanges(QWidget* parent);

// The question at start-up when a recovery copy was left behind. Keep: the
// box was closed without an answer.
enum class RecoveryAnswer { Restore, Discard, Keep };
RecoveryAnswer AskRestore(QWidget* parent);
