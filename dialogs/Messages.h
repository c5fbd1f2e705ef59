#pragma once
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// Plain message box with one OK button. Tests install a sink to read the
// text instead of blocking on a modal box.
void ShowMessage(QWidget* parent, const QString& text);
// The same with a second, smaller line under the text (which file, and why).
void ShowMessage(QWidget* parent, const QString& text, const QString& details);
void ShowError(QWidget* parent, const QString& text);

// From now on messages go to standard error: nobody is left to answer a
// box (the program is being closed from outside).
void SendMessagesToStandardError(bool on = true);

// Cancels every dialog that is open, as its Cancel button would.
void RejectOpenDialogs();

using MessageSink = std::function<void(const QString&)>;
void SetMessageSink(MessageSink sink);

// The question before unsaved changes would be lost.
enum class UnsavedAnswer { Save, Discard, Cancel };
UnsavedAnswer AskSaveChanges(QWidget* parent);

// The question at start-up when recovery copies were left behind, one line
// each (its file and time), newest first; the answer is about the first.
// Keep: the box was closed without an answer.
enum class RecoveryAnswer { Restore, Discard, Keep };
RecoveryAnswer AskRestore(QWidget* parent, const QStringList& copies = {});

// Asked on close when another window sharing isplan.ini changed a catalogue
// this window changed too: true to write this window's. Where nobody can
// answer, the other window's stays and the text says so.
bool AskOverwriteCatalogue(QWidget* parent);

// Asked at "OK" of "パネル設定" when kinds share a code letter, one line per
// letter: true to keep them, false to go back and change one. Where nobody
// can answer, they are kept and the text says so.
bool AskKeepSharedCodes(QWidget* parent, const QStringList& lines);

// Asked before a save onto the open file that another window or program
// changed since this window read or wrote it; false (the default) keeps the
// file. Where nobody can answer, the file is kept and the text says so.
bool AskOverwriteChangedFile(QWidget* parent, const QString& path);
// Offered when the open file changed on disk and the map has no unsaved
// changes: true to read it again. Where nobody can answer: false.
bool AskReloadChangedFile(QWidget* parent, const QString& path);
