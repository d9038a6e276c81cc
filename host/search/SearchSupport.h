#pragma once

#include "platform/Export.h"

#include <QChar>
#include <QFont>
#include <QString>
#include <optional>

class QKeyEvent;
class QDialog;
class QWidget;

namespace host {

// The form in which the search compares texts: accents dropped and case folded, so
// "acucar" matches "Com açúcar".
OBSHOST_EXPORT QString foldForSearch(const QString &text);

// The printable character a key event types, if Windows-1252 can hold it.
OBSHOST_EXPORT std::optional<QChar> typedPrintable(const QKeyEvent &event);

// True when a modal widget can be shown now: a QApplication exists and this is its
// thread. Otherwise warns, naming the caller.
OBSHOST_EXPORT bool canShowDialog(const char *caller);

// The window the package's dialogs stack above: the running modal dialog, else the
// active window; may be null.
OBSHOST_EXPORT QWidget *dialogParent();

// What a dialog shown over `parent` is about: that window's title, which for the
// observation dialog is its call's caption ("Observação"). Empty without a parent.
OBSHOST_EXPORT QString callSubject(const QWidget *parent);

// "Arial" at a pixel size, the type of every key and field of the dialogs.
OBSHOST_EXPORT QFont arial(int pixels, bool bold);

// Runs a dialog modally with the default pointer shape, restoring the caller's after.
OBSHOST_EXPORT int execWithDefaultCursor(QDialog *dialog);

// Puts a top-level widget in the middle of the screen it belongs to.
OBSHOST_EXPORT void centreOnScreen(QWidget *window);

} // namespace host
