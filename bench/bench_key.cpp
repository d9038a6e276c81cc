// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// One physical key press, as the window system delivers it, through the observation
// window's key path with the repaint it causes; beside it the same keys into a QLineEdit
// in a window of the same size, and into the window built from Qt's stock widgets, which
// repaints as a whole on every key as the observation window does. Keys alternate
// between "1" and Backspace, so the text stays the same from one press to the next.
#include "HostSetup.h"
#include "PaintCounter.h"
#include "StockWindow.h"

#include "dialog/CallState.h"
#include "dialog/TfrmObservacaoMod.h"
#include "dialog/WindowDescription.h"
#include "host/data/TClientDataSet.h"
#include "platform/TLabel.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <benchmark/benchmark.h>

#include <functional>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

bool showActive(QWidget &window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowExposed(&window) && QTest::qWaitForWindowActive(&window);
}

// Presses and releases the key through the window system interface, then lets the
// pending repaints run.
void pressKey(QWindow *window, bool backspace)
{
    QTest::keyClick(window, backspace ? Qt::Key_Backspace : Qt::Key_1);
    QCoreApplication::sendPostedEvents();
}

void keys(benchmark::State &state, QWidget &window, const std::function<QString()> &text,
          const std::function<void()> &whenShown = {})
{
    if (!showActive(window)) {
        state.SkipWithError("the window did not come up");
        return;
    }
    if (whenShown)
        whenShown();
    QWindow *handle = window.windowHandle();
    const QString before = text();
    // The keys must reach the text at all, or the loop measures nothing.
    pressKey(handle, false);
    const bool typed = text() == before + u'1';
    pressKey(handle, true);
    if (!typed || text() != before) {
        state.SkipWithError("the keys do not reach the text");
        return;
    }
    bench::PaintCounter paints;
    bool backspace = false;
    for (auto _ : state) {
        pressKey(handle, backspace);
        backspace = !backspace;
    }
    if (backspace)
        pressKey(handle, true);
    if (text() != before)
        state.SkipWithError("the keys did not type and erase as expected");
    state.counters["paints"] = benchmark::Counter(double(paints.count()), benchmark::Counter::kAvgIterations);
    window.hide();
}

void windowKey(benchmark::State &state)
{
    bench::prepareHost();
    const auto list = bench::sampleList();
    dialog::CallState call;
    dialog::TfrmObservacaoMod window(call);
    window.InicializaForm(list.get(), QStringLiteral("Observação"));
    // One key in the code field, so that "1" then Backspace both change it.
    window.lblInformacao->SetCaption(QStringLiteral("0"));
    keys(state, window, [&] { return window.lblInformacao->Caption(); });
    if (window.lblInformacao->Caption() != QStringLiteral("0"))
        state.SkipWithError("the code field changed");
}

// The same with accessibility on, as once an assistive technology has asked: Qt makes the
// controls' interfaces and hands every event on (here to a handler that drops it, so
// what is measured is the window's and Qt's side, not a bridge's or a client's).
void windowKeyAccessible(benchmark::State &state)
{
    QPlatformAccessibility *platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler([](QAccessibleEvent *) {});
    platform->setActive(true);
    windowKey(state);
    platform->setActive(false);
    QAccessible::installUpdateHandler(previous);
}

// What a field's change costs while no assistive technology runs: its text event, made
// and dropped by Qt (a key press in the code field sends two: its text and its name).
void droppedEvent(benchmark::State &state)
{
    bench::prepareHost();
    platform::TLabel label;
    const QString before = QStringLiteral("01");
    const QString after = QStringLiteral("01 - Sem cebola");
    if (QAccessible::isActive()) {
        state.SkipWithError("accessibility is on");
        return;
    }
    for (auto _ : state) {
        QAccessibleTextUpdateEvent changed(&label, 0, before, after);
        QAccessible::updateAccessibility(&changed);
    }
}

// The same with a description in the description field, which every key press repaints
// along with the rest of the window: about 1 MB, or just as much as the field shows.
void windowKeyWithDescription(benchmark::State &state, qsizetype length)
{
    bench::prepareHost();
    const auto list = bench::sampleList();
    dialog::CallState call;
    dialog::TfrmObservacaoMod window(call);
    window.InicializaForm(list.get(), QStringLiteral("Observação"));
    window.lblInformacao->SetCaption(QStringLiteral("0"));
    QString description;
    for (int i = 0; description.size() < length; ++i)
        description += QStringLiteral(" Sem cebola, ponto da carne %1, molho à parte;").arg(i);
    window.lblDesc->SetCaption(description.left(length));
    keys(state, window, [&] { return window.lblInformacao->Caption(); });
    if (window.lblInformacao->Caption() != QStringLiteral("0"))
        state.SkipWithError("the code field changed");
}

void windowKeyLongDescription(benchmark::State &state)
{
    windowKeyWithDescription(state, 1000000);
}

// Six lines of 686 pixels in 13-point bold Arial: the field full.
void windowKeyFullDescription(benchmark::State &state)
{
    windowKeyWithDescription(state, 450);
}

void lineEditKey(benchmark::State &state)
{
    QDialog window(nullptr, Qt::Dialog | Qt::FramelessWindowHint);
    window.setFixedSize(dialog::kClientWidth, dialog::kClientHeight);
    auto *edit = new QLineEdit(&window);
    for (const dialog::ControlDesc &d : dialog::windowControls())
        if (QByteArray(d.name) == "lblInformacao")
            edit->setGeometry(d.bounds);
    edit->setText(QStringLiteral("0"));
    edit->setFocus();
    // Focus on showing selects the text, which the first key would replace.
    keys(
        state, window, [&] { return edit->text(); }, [&] { edit->end(false); });
}

void stockKey(benchmark::State &state)
{
    bench::StockWindow window;
    keys(state, window, [&] { return window.code(); });
}

} // namespace

BENCHMARK(windowKey)->Name("key_press/window")->Unit(benchmark::kMicrosecond);
BENCHMARK(droppedEvent)->Name("accessible_event/dropped")->Unit(benchmark::kNanosecond);
BENCHMARK(windowKeyAccessible)->Name("key_press/window_accessible")->Unit(benchmark::kMicrosecond);
BENCHMARK(windowKeyLongDescription)->Name("key_press/window_1MB_description")->Unit(benchmark::kMicrosecond);
BENCHMARK(windowKeyFullDescription)->Name("key_press/window_full_description")->Unit(benchmark::kMicrosecond);
BENCHMARK(lineEditKey)->Name("key_press/QLineEdit")->Unit(benchmark::kMicrosecond);
BENCHMARK(stockKey)->Name("key_press/stock_dialog")->Unit(benchmark::kMicrosecond);
