// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// The platform layer's helpers and the host's shared library services.
#include "host/services/Mensagem.h"
#include "host/services/StrUtils.h"
#include "host/services/TMessages.h"
#include "host/services/Trad.h"
#include "platform/Application.h"
#include "platform/Exception.h"
#include "platform/Format.h"
#include "platform/Painting.h"
#include "platform/Screen.h"
#include "platform/TForm.h"
#include "platform/TLabel.h"
#include "platform/Variants.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <thread>

namespace {

// The form paints its own colour under controls that paint nothing, without a palette
// of its own that its controls would inherit; an invalid colour gives the palette back.
TEST(Form, PaintsItsColourItselfAndLeavesThePaletteAlone)
{
    platform::TForm form;
    form.setFixedSize(40, 30);
    auto *bare = new QWidget(&form);
    bare->setGeometry(0, 0, 10, 10);
    const QColor colour(10, 20, 30);
    form.SetColor(colour);
    QImage picture = form.grab().toImage();
    EXPECT_EQ(picture.pixelColor(20, 20), colour);
    EXPECT_EQ(picture.pixelColor(5, 5), colour);
    EXPECT_EQ(picture.pixelColor(39, 29), colour);
    EXPECT_FALSE(form.testAttribute(Qt::WA_SetPalette));
    EXPECT_NE(bare->palette().color(QPalette::Window), colour);

    form.SetColor(QColor());
    picture = form.grab().toImage();
    EXPECT_EQ(picture.pixelColor(20, 20), form.palette().color(QPalette::Window));
}

// Activation runs the form's handler and repaints it, but is not handed to each control:
// that would be fifty events on every show and close for controls that ignore them.
TEST(Form, ActivationReachesTheFormAndItsHandlerNotEachControl)
{
    struct Counting : QWidget
    {
        using QWidget::QWidget;
        int seen = 0;
        bool event(QEvent *e) override
        {
            if (e->type() == QEvent::WindowActivate || e->type() == QEvent::WindowDeactivate)
                ++seen;
            return QWidget::event(e);
        }
    };
    platform::TForm form;
    auto *control = new Counting(&form);
    int activations = 0;
    form.OnActivate = [&](QObject *sender) {
        EXPECT_EQ(sender, &form);
        ++activations;
    };
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(activations, 1);
    form.hide();
    QCoreApplication::processEvents();
    EXPECT_EQ(control->seen, 0);
}

TEST(Format, InsertsTheArgumentVerbatim)
{
    EXPECT_EQ(platform::Format(QStringLiteral("%s não cadastrado(a)."), QStringLiteral("Item %s 100%")),
              QStringLiteral("Item %s 100% não cadastrado(a)."));
    EXPECT_EQ(platform::Format(QStringLiteral("a %s b %s"), QStringLiteral("%1")), QStringLiteral("a %1 b %s"));
    EXPECT_EQ(platform::Format(QStringLiteral("100%% de %s"), QStringLiteral("x")), QStringLiteral("100% de x"));
    EXPECT_EQ(platform::Format(QStringLiteral("sem argumento"), QStringLiteral("x")), QStringLiteral("sem argumento"));
}

TEST(Variants, EmptyAndNullStayDistinct)
{
    const QVariant empty = platform::varEmpty();
    const QVariant null = platform::varNull();
    EXPECT_TRUE(platform::varIsEmpty(empty));
    EXPECT_FALSE(platform::varIsNull(empty));
    EXPECT_TRUE(platform::varIsNull(null));
    EXPECT_FALSE(platform::varIsEmpty(null));
    EXPECT_FALSE(platform::varIsNull(QVariant(QString())));
    EXPECT_EQ(platform::varToStr(null), QString());
    EXPECT_EQ(platform::varToStr(QVariant(12)), QStringLiteral("12"));
}

TEST(Variants, ArraysHaveTheirBoundsAndRejectOutOfRangePuts)
{
    QVariant a = platform::varArrayCreate(0, 3);
    EXPECT_EQ(platform::varArrayHighBound(a), 3);
    for (const QVariant &v : a.toList())
        EXPECT_TRUE(platform::varIsEmpty(v));
    platform::varArrayPut(a, 3, QStringLiteral("fim"));
    EXPECT_EQ(a.toList().at(3), QVariant(QStringLiteral("fim")));
    EXPECT_THROW(platform::varArrayPut(a, 4, 1), platform::Exception);
    EXPECT_THROW(platform::varArrayCreate(1, 3), platform::Exception);
    EXPECT_EQ(platform::varArrayHighBound(platform::varArrayCreate(0, 0)), 0);
}

TEST(Variants, IntegersAreReadOnlyWhereTheValueIsOneExactly)
{
    using platform::varToInt64;
    using Int = std::optional<qint64>;
    EXPECT_EQ(varToInt64(QVariant(7)), Int(7));
    EXPECT_EQ(varToInt64(QVariant(true)), Int(1));
    EXPECT_EQ(varToInt64(QVariant(QStringLiteral(" -12 "))), Int(-12));
    EXPECT_EQ(varToInt64(QVariant(QStringLiteral("1.5"))), std::nullopt);
    EXPECT_EQ(varToInt64(QVariant(3.0)), Int(3));
    EXPECT_EQ(varToInt64(QVariant(3.5)), std::nullopt);
    // 2^63 is exact as a double and one past the range; -2^63 is inside it.
    EXPECT_EQ(varToInt64(QVariant(9223372036854775808.0)), std::nullopt);
    EXPECT_EQ(varToInt64(QVariant(-9223372036854775808.0)), Int(std::numeric_limits<qint64>::min()));
    EXPECT_EQ(varToInt64(QVariant(std::nextafter(9223372036854775808.0, 0.0))), Int(9223372036854774784));
    EXPECT_EQ(varToInt64(QVariant(std::numeric_limits<double>::quiet_NaN())), std::nullopt);
    EXPECT_EQ(varToInt64(QVariant(std::numeric_limits<double>::infinity())), std::nullopt);
    EXPECT_EQ(varToInt64(QVariant(float(-4))), Int(-4));
    // The largest unsigned ones do not wrap round to negative numbers.
    EXPECT_EQ(varToInt64(QVariant(quint64(std::numeric_limits<qint64>::max()))),
              Int(std::numeric_limits<qint64>::max()));
    EXPECT_EQ(varToInt64(QVariant(std::numeric_limits<quint64>::max())), std::nullopt);
    EXPECT_EQ(varToInt64(platform::varNull()), std::nullopt);
    EXPECT_EQ(varToInt64(platform::varEmpty()), std::nullopt);
    EXPECT_EQ(varToInt64(QVariant(QDate(2024, 1, 2))), std::nullopt);
}

TEST(StrUtils, EmptyStringAndAjusta)
{
    EXPECT_TRUE(host::EmptyString(QString()));
    EXPECT_TRUE(host::EmptyString(QStringLiteral("   ")));
    EXPECT_FALSE(host::EmptyString(QStringLiteral(" 1")));
    EXPECT_EQ(host::Ajusta(QStringLiteral("1"), 2), QStringLiteral("01"));
    EXPECT_EQ(host::Ajusta(QStringLiteral("A"), 2), QStringLiteral("0A"));
    EXPECT_EQ(host::Ajusta(QString(), 2), QStringLiteral("00"));
    EXPECT_EQ(host::Ajusta(QStringLiteral("AB"), 2), QStringLiteral("AB"));
    EXPECT_EQ(host::Ajusta(QStringLiteral("ABC"), 2), QStringLiteral("ABC"));
    // Never cut: a longer code, or a width of nothing, leaves the code as it is.
    EXPECT_EQ(host::Ajusta(QStringLiteral("12345"), 3), QStringLiteral("12345"));
    EXPECT_EQ(host::Ajusta(QStringLiteral("7"), 0), QStringLiteral("7"));
    EXPECT_EQ(host::Ajusta(QStringLiteral("7"), -1), QStringLiteral("7"));
    EXPECT_EQ(host::Ajusta(QStringLiteral(" 7"), 4), QStringLiteral("00 7"));
}

TEST(TMessages, LooksUpByWholeKeyAndNamesAMissingOne)
{
    host::TMessages m;
    m.Messages
        = {QStringLiteral("Cod|curto"), QStringLiteral("Cod_Inv|%s não cadastrado(a)."), QStringLiteral("Vazio|")};
    EXPECT_EQ(m.Msg(QStringLiteral("Cod_Inv")), QStringLiteral("%s não cadastrado(a)."));
    EXPECT_EQ(m.Msg(QStringLiteral("Cod")), QStringLiteral("curto"));
    EXPECT_EQ(m.Msg(QStringLiteral("Vazio")), QString());
    try {
        m.Msg(QStringLiteral("N_osb"));
        FAIL() << "no error for a missing key";
    } catch (const platform::Exception &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("N_osb")));
    }
}

class Window : public QDialog
{
    Q_OBJECT
};

class Upper : public QTranslator
{
public:
    mutable QStringList contexts;
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        contexts << QString::fromUtf8(context);
        return QString::fromUtf8(source).toUpper();
    }
    bool isEmpty() const override { return false; }
};

TEST(Trad, TranslatesTitleAndCaptionsWithTheClassAsContext)
{
    Window w;
    w.setWindowTitle(QStringLiteral("Observação"));
    auto *label = new platform::TLabel(&w);
    label->SetCaption(QStringLiteral("Código:"));
    auto *button = new QPushButton(QStringLiteral("Sair"), &w);
    host::Trad(&w); // no translator: unchanged
    EXPECT_EQ(label->Caption(), QStringLiteral("Código:"));

    Upper upper;
    QCoreApplication::installTranslator(&upper);
    host::Trad(&w);
    QCoreApplication::removeTranslator(&upper);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("OBSERVAÇÃO"));
    EXPECT_EQ(label->Caption(), QStringLiteral("CÓDIGO:"));
    EXPECT_EQ(button->text(), QStringLiteral("SAIR"));
    EXPECT_TRUE(upper.contexts.contains(QStringLiteral("Window")));
}

TEST(Screen, BusyPointerIsAnOverrideCursorPoppedOnDefault)
{
    platform::Screen::setCursor(platform::Screen::crHourGlass);
    platform::Screen::setCursor(platform::Screen::crHourGlass);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    platform::Screen::setCursor(platform::Screen::crDefault);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(platform::Screen::cursor(), platform::Screen::crDefault);
}

TEST(Screen, DefaultPointerRestoresTheShapeBeforeHoweverTheScopeEnds)
{
    using namespace platform::Screen;
    setCursor(crHourGlass);
    {
        const DefaultPointer pointer;
        EXPECT_EQ(cursor(), crDefault);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(cursor(), crHourGlass);
    try {
        const DefaultPointer pointer;
        throw platform::EInvalidOperation(QStringLiteral("falha"));
    } catch (const platform::Exception &) { }
    EXPECT_EQ(cursor(), crHourGlass);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    setCursor(crDefault);
    {
        const DefaultPointer pointer;
    }
    EXPECT_EQ(cursor(), crDefault);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(Screen, CentreMiddlesAWindowOnItsScreen)
{
    QWidget window;
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.resize(301, 120);
    platform::Screen::centre(&window);
    const QRect screen = window.screen()->geometry();
    EXPECT_EQ(window.geometry().center(), screen.center());
}

TEST(Application, WindowsAreShownOnlyOnTheInterfaceThread)
{
    EXPECT_TRUE(platform::Application::onInterfaceThread("test"));
    bool elsewhere = true;
    std::thread other([&] { elsewhere = platform::Application::onInterfaceThread("test"); });
    other.join();
    EXPECT_FALSE(elsewhere);
}

TEST(Painting, AFrameCoversExactlyTheOuterPixelsWhateverThePainterSays)
{
    QImage image(20, 12, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing); // a frame stays crisp all the same
        p.setBrush(Qt::green); // and hollow
        platform::drawFrame(p, image.rect(), Qt::red, 2);
    }
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool edge = x < 2 || y < 2 || x >= image.width() - 2 || y >= image.height() - 2;
            ASSERT_EQ(image.pixelColor(x, y), edge ? QColor(Qt::red) : QColor(Qt::white)) << x << "," << y;
        }
    }
}

TEST(Mensagem, HandlerSeesEveryArgumentAndDefaultBoxClosesOnReturn)
{
    QVector<host::MensagemArgs> seen;
    host::SetMensagemHandler([&](const host::MensagemArgs &a) { seen.append(a); });
    host::Mensagem(QStringLiteral("Olá"), QStringLiteral("t"), QStringLiteral("N"), QStringLiteral("N"),
                   host::tmInformacao, QStringLiteral("c"), QStringLiteral("005"), 7, nullptr);
    host::SetMensagemHandler({});
    ASSERT_EQ(seen.size(), 1);
    EXPECT_EQ(seen[0].texto, QStringLiteral("Olá"));
    EXPECT_EQ(seen[0].idEsquema, QStringLiteral("005"));
    EXPECT_EQ(seen[0].ajuda, 7);

    // The default box: one large key named btnOk; Return closes it too.
    QString shownKey;
    QTimer::singleShot(0, [&] {
        QWidget *box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        if (auto *ok = box->findChild<QAbstractButton *>(QStringLiteral("btnOk")))
            shownKey = ok->text();
        QKeyEvent ret(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(box, &ret);
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });
    guard.start(5000);
    host::Mensagem(QStringLiteral("Caixa"), QString(), QStringLiteral("N"), QStringLiteral("N"), host::tmInformacao,
                   QString(), QString(), 0, nullptr);
    EXPECT_TRUE(guard.isActive()); // closed by Return, not by the guard
    EXPECT_EQ(shownKey, QStringLiteral("OK"));
}

TEST(Application, HandlerExceptionsAreReportedNotPropagated)
{
    QStringList reported;
    host::SetMensagemHandler([&](const host::MensagemArgs &a) { reported << a.texto; });
    platform::Application::guarded([] { throw platform::EDatabaseError(QStringLiteral("Campo 'X' não encontrado.")); });
    platform::Application::guarded([] { throw std::bad_alloc(); });
    platform::Application::guarded([] { throw 42; });
    host::SetMensagemHandler([](const host::MensagemArgs &) { throw std::runtime_error("again"); });
    platform::Application::guarded([] { throw std::runtime_error("first"); }); // must not escape
    host::SetMensagemHandler({});
    ASSERT_EQ(reported.size(), 3);
    EXPECT_EQ(reported[0], QStringLiteral("Campo 'X' não encontrado."));
    EXPECT_FALSE(reported[1].isEmpty());
    EXPECT_FALSE(reported[2].isEmpty());
}

} // namespace

#include "test_services.moc"
