#include "host/search/SearchSupport.h"

#include "platform/KeyMap.h"
#include "platform/Screen.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QScreen>
#include <QThread>
#include <QWidget>

namespace host {

QString foldForSearch(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            folded.append(c);
    return folded.toCaseFolded();
}

std::optional<QChar> typedPrintable(const QKeyEvent &event)
{
    const std::optional<char> ansi = platform::typedCharacter(event);
    if (!ansi)
        return std::nullopt;
    const QChar c = platform::fromAnsi(*ansi);
    if (!c.isPrint() || c == QChar::ReplacementCharacter)
        return std::nullopt;
    return c;
}

QString callSubject(const QWidget *parent)
{
    return parent ? parent->windowTitle().simplified() : QString();
}

QFont arial(int pixels, bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

int execWithDefaultCursor(QDialog *dialog)
{
    const int saved = platform::Screen::cursor();
    platform::Screen::setCursor(platform::Screen::crDefault);
    const int code = dialog->exec();
    platform::Screen::setCursor(saved);
    return code;
}

bool canShowDialog(const char *caller)
{
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app) {
        qWarning("%s: no QApplication; the dialog cannot be shown", caller);
        return false;
    }
    if (QThread::currentThread() != app->thread()) {
        qWarning("%s: called outside the GUI thread; the dialog cannot be shown", caller);
        return false;
    }
    return true;
}

QWidget *dialogParent()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

void centreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->geometry().center());
    window->move(frame.topLeft());
}

} // namespace host
