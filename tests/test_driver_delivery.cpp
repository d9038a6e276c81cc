// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// The script driver delivering steps to live windows: keys through the platform's
// form, touches on named controls, and the hand-over to windows that a step opens.
#include "demo/driver/ScriptDriver.h"
#include "demo/driver/ScriptParser.h"
#include "host/controls/TBlendedButton.h"
#include "host/services/Mensagem.h"
#include "platform/TForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>

using demo::ScriptDriver;

namespace {

// A form that logs what reaches its key handlers and its keys' click handlers.
class RecordingForm : public platform::TForm
{
public:
    QStringList log;

    RecordingForm()
    {
        setObjectName(QStringLiteral("frmTeste"));
        setWindowTitle(QStringLiteral("Teste"));
        resize(320, 200);
        OnKeyDown = [this](QObject *, quint16 &key, platform::ShiftState shift) {
            log << QStringLiteral("down %1 %2").arg(key).arg(int(shift.toInt()));
        };
        OnKeyPress = [this](QObject *, char &key) { log << QStringLiteral("press %1").arg(int(uchar(key))); };
    }

    void addKey(const QString &name, std::function<void()> action)
    {
        auto *key = new host::TBlendedButton(this);
        key->setObjectName(name);
        key->setGeometry(10 + 70 * int(findChildren<host::TBlendedButton *>().size() - 1), 10, 60, 40);
        connect(key, &QAbstractButton::clicked, key, [action = std::move(action)] { action(); });
    }
};

void showMessage(const QString &text)
{
    host::MensagemArgs args;
    args.texto = text;
    host::MensagemPadrao(args);
}

std::unique_ptr<ScriptDriver> driverFor(const char *script)
{
    const demo::ScriptParser::Result parsed = demo::ScriptParser::parse(QString::fromUtf8(script));
    EXPECT_TRUE(parsed.ok()) << qPrintable(parsed.error);
    return std::make_unique<ScriptDriver>(parsed.steps);
}

// Shows window modally while driver runs its script; returns once the window has
// closed. A window still open after a few seconds is closed, innermost first, and
// the test fails instead of hanging.
void runModal(ScriptDriver &driver, QDialog &window)
{
    bool timedOut = false;
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget *w = ScriptDriver::targetWindow())
            w->close();
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        timedOut = true;
        closer.start();
    });
    guard.start(5000);
    driver.start();
    window.exec();
    EXPECT_FALSE(timedOut) << "the script left a window open";
}

} // namespace

TEST(ScriptDelivery, KeysReachTheFormAsKeyDownThenCharacter)
{
    RecordingForm form;
    auto driver = driverFor("0 a Ç Alt+P close");
    QSignalSpy finished(driver.get(), &ScriptDriver::finished);
    runModal(*driver, form);

    // Alt+P types nothing; the release of each key adds nothing.
    const QStringList expected {QStringLiteral("down 48 0"), QStringLiteral("press 48"),   QStringLiteral("down 65 0"),
                                QStringLiteral("press 97"),  QStringLiteral("down 186 1"), QStringLiteral("press 199"),
                                QStringLiteral("down 80 2")};
    EXPECT_EQ(form.log, expected);
    EXPECT_TRUE(driver->isFinished());
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(driver->remainingSteps(), 0);
    EXPECT_FALSE(driver->hasFailed());
}

TEST(ScriptDelivery, AStepThatOpensAMessageHandsTheNextStepsToIt)
{
    // The box is dismissed by a touch, by Return and by Escape; only then does "7"
    // reach the form.
    for (const char *script :
         {"tap:btnAbre tap:btnOk 7 close", "tap:btnAbre Return 7 close", "tap:btnAbre Escape 7 close"}) {
        RecordingForm form;
        form.addKey(QStringLiteral("btnAbre"), [&form] {
            form.log << QStringLiteral("abre");
            showMessage(QStringLiteral("Aviso"));
            form.log << QStringLiteral("fechou");
        });
        auto driver = driverFor(script);
        runModal(*driver, form);
        const QStringList expected {QStringLiteral("abre"), QStringLiteral("fechou"), QStringLiteral("down 55 0"),
                                    QStringLiteral("press 55")};
        EXPECT_EQ(form.log, expected) << script;
        EXPECT_TRUE(driver->isFinished()) << script;
    }
}

TEST(ScriptDelivery, WindowsOpenedOneAfterAnotherEachTakeTheirStep)
{
    RecordingForm form;
    form.addKey(QStringLiteral("btnAbre"), [&form] {
        showMessage(QStringLiteral("Primeira"));
        form.log << QStringLiteral("primeira fechada");
        showMessage(QStringLiteral("Segunda"));
        form.log << QStringLiteral("segunda fechada");
    });
    auto driver = driverFor("tap:btnAbre tap:btnOk Return 7 close");
    runModal(*driver, form);
    const QStringList expected {QStringLiteral("primeira fechada"), QStringLiteral("segunda fechada"),
                                QStringLiteral("down 55 0"), QStringLiteral("press 55")};
    EXPECT_EQ(form.log, expected);
}

TEST(ScriptDelivery, AStepWaitsForAHandlerThatRunsTheEventLoop)
{
    // The handler runs the event loop itself without opening a window; the next step
    // must not slip in while it is still busy.
    RecordingForm form;
    form.addKey(QStringLiteral("btnLento"), [&form] {
        form.log << QStringLiteral("início");
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 100)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        form.log << QStringLiteral("fim");
    });
    auto driver = driverFor("tap:btnLento 7 close");
    runModal(*driver, form);
    const QStringList expected {QStringLiteral("início"), QStringLiteral("fim"), QStringLiteral("down 55 0"),
                                QStringLiteral("press 55")};
    EXPECT_EQ(form.log, expected);
}

TEST(ScriptDelivery, KeysGoToTheFocusWidgetOfTheWindow)
{
    QDialog dialog;
    auto *layout = new QVBoxLayout(&dialog);
    auto *edit = new QLineEdit(&dialog);
    layout->addWidget(edit);
    edit->setFocus();
    auto driver = driverFor("type:Olá Backspace type:a Space Shift+x close");
    runModal(*driver, dialog);
    EXPECT_EQ(edit->text(), QStringLiteral("Ola X"));
}

TEST(ScriptDelivery, AnUnknownControlStopsTheScriptAndIsNamed)
{
    RecordingForm form;
    form.addKey(QStringLiteral("btnAbre"), [] {});
    auto driver = driverFor("tap:btnNada 7 close");
    QSignalSpy failed(driver.get(), &ScriptDriver::failed);
    QObject::connect(driver.get(), &ScriptDriver::failed, &form, &QWidget::close, Qt::QueuedConnection);
    runModal(*driver, form);

    ASSERT_EQ(failed.count(), 1);
    const QString message = failed.at(0).at(0).toString();
    EXPECT_TRUE(message.contains(QStringLiteral("\"btnNada\""))) << qPrintable(message);
    EXPECT_TRUE(message.contains(QStringLiteral("frmTeste"))) << qPrintable(message);
    EXPECT_TRUE(form.log.isEmpty());
    EXPECT_TRUE(driver->hasFailed());
    EXPECT_FALSE(driver->isFinished());
    EXPECT_EQ(driver->remainingSteps(), 2);
    EXPECT_EQ(driver->nextToken(), QStringLiteral("7"));
}

TEST(ScriptDelivery, ShotSavesAPictureOfTheActiveWindow)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("janela.png"));
    RecordingForm form;
    form.addKey(QStringLiteral("btnAbre"), [] { showMessage(QStringLiteral("Aviso")); });
    // The picture is of the message box that is active then, not of the form.
    const QByteArray script = "tap:btnAbre shot:" + file.toUtf8() + " tap:btnOk close";
    auto driver = driverFor(script.constData());
    runModal(*driver, form);
    const QImage picture(file);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(520, 240));

    RecordingForm second;
    auto failing = driverFor("shot:/nonexistent-dir/janela.png close");
    QSignalSpy failed(failing.get(), &ScriptDriver::failed);
    QObject::connect(failing.get(), &ScriptDriver::failed, &second, &QWidget::close, Qt::QueuedConnection);
    runModal(*failing, second);
    ASSERT_EQ(failed.count(), 1);
    EXPECT_TRUE(failed.at(0).at(0).toString().contains(QStringLiteral("/nonexistent-dir/janela.png")));
}

namespace {

// Counts the events that make something run later: timers and queued calls.
class WakeCounter : public QObject
{
public:
    int wakes = 0;

    WakeCounter() { QCoreApplication::instance()->installEventFilter(this); }
    ~WakeCounter() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Timer || event->type() == QEvent::MetaCall)
            ++wakes;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

TEST(ScriptDelivery, AScriptStartedBeforeAnyWindowWaitsForOneAndKeepsItsOrder)
{
    auto driver = driverFor("0 tap:btnAbre Escape 7 close");
    QSignalSpy finished(driver.get(), &ScriptDriver::finished);
    driver->start();
    QCoreApplication::processEvents();

    // With no window the script waits without looking again and again: nothing is
    // scheduled until a window changes.
    {
        WakeCounter counter;
        for (int i = 0; i < 5; ++i) {
            QThread::msleep(15);
            QCoreApplication::processEvents();
        }
        EXPECT_EQ(counter.wakes, 0);
    }
    EXPECT_EQ(driver->remainingSteps(), 5);
    EXPECT_FALSE(driver->isFinished());

    RecordingForm form;
    form.addKey(QStringLiteral("btnAbre"), [&form] {
        form.log << QStringLiteral("abre");
        showMessage(QStringLiteral("Aviso"));
        form.log << QStringLiteral("fechou");
    });
    // The window comes up after the script started: every step still reaches the
    // window that is active when it is due, one after another.
    runModal(*driver, form);
    const QStringList expected {QStringLiteral("down 48 0"), QStringLiteral("press 48"),  QStringLiteral("abre"),
                                QStringLiteral("fechou"),    QStringLiteral("down 55 0"), QStringLiteral("press 55")};
    EXPECT_EQ(form.log, expected);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(driver->remainingSteps(), 0);
}

TEST(ScriptDelivery, AWindowThatIsNeverActivatedStillGetsItsSteps)
{
    // Without a window manager a new window may never become active; the steps meant
    // for it reach it all the same, in order, and then the form again.
    RecordingForm form;
    RecordingForm above;
    above.setObjectName(QStringLiteral("frmAcima"));
    // Not shown by the platform, so nothing ever activates it.
    above.setAttribute(Qt::WA_DontShowOnScreen);
    bool aboveWasActive = false;
    form.addKey(QStringLiteral("btnAbre"), [&] {
        form.log << QStringLiteral("abre");
        above.OnKeyPress = [&](QObject *, char &key) {
            above.log << QStringLiteral("press %1").arg(int(uchar(key)));
            aboveWasActive = aboveWasActive || QApplication::activeWindow() == &above;
        };
        above.exec();
        form.log << QStringLiteral("fechou");
    });
    auto driver = driverFor("tap:btnAbre 1 2 close 7 close");
    runModal(*driver, form);
    const QStringList formLog {QStringLiteral("abre"), QStringLiteral("fechou"), QStringLiteral("down 55 0"),
                               QStringLiteral("press 55")};
    EXPECT_EQ(form.log, formLog);
    const QStringList aboveLog {QStringLiteral("down 49 0"), QStringLiteral("press 49"), QStringLiteral("down 50 0"),
                                QStringLiteral("press 50")};
    EXPECT_EQ(above.log, aboveLog);
    EXPECT_FALSE(aboveWasActive);
    EXPECT_TRUE(driver->isFinished());
}

TEST(ScriptDelivery, AStepHeldForABusyHandlerIsNotLookedAtUntilItReturns)
{
    // While the handler runs the event loop, the next step waits without timers or
    // queued calls; it goes once the handler has returned.
    RecordingForm form;
    int wakesWhileBusy = -1;
    form.addKey(QStringLiteral("btnLento"), [&] {
        form.log << QStringLiteral("início");
        // Let the step posted before this delivery come round and be held back.
        QCoreApplication::processEvents();
        WakeCounter counter;
        for (int i = 0; i < 5; ++i) {
            QThread::msleep(15);
            QCoreApplication::processEvents();
        }
        wakesWhileBusy = counter.wakes;
        form.log << QStringLiteral("fim");
    });
    auto driver = driverFor("tap:btnLento 7 close");
    runModal(*driver, form);
    EXPECT_EQ(wakesWhileBusy, 0);
    const QStringList expected {QStringLiteral("início"), QStringLiteral("fim"), QStringLiteral("down 55 0"),
                                QStringLiteral("press 55")};
    EXPECT_EQ(form.log, expected);
    EXPECT_TRUE(driver->isFinished());
}
