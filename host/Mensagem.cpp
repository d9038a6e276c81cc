#include "host/Mensagem.h"

#include "host/TBlendedButton.h"
#include "platform/Application.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QThread>

namespace host {

namespace {

MensagemHandler &handler()
{
    static MensagemHandler h;
    return h;
}

// The default box: frameless, white with the dialogs' orange-brown frame, the text in
// large type and one large key.
class MessageBox : public QDialog
{
public:
    explicit MessageBox(const QString &text)
        : QDialog(QApplication::activeWindow(), Qt::Dialog | Qt::FramelessWindowHint)
    {
        setObjectName(QStringLiteral("frmMensagem"));
        setWindowTitle(QCoreApplication::translate("host::Mensagem", "Mensagem"));
        setFixedSize(520, 240);
        setFocusPolicy(Qt::StrongFocus);

        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("lblMensagem"));
        label->setText(text);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        label->setFocusPolicy(Qt::NoFocus);
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(20);
        f.setBold(true);
        label->setFont(f);
        label->setGeometry(20, 16, width() - 40, 140);

        auto *ok = new TBlendedButton(this);
        ok->setObjectName(QStringLiteral("btnOk"));
        ok->setText(QCoreApplication::translate("host::Mensagem", "OK"));
        ok->setAccessibleName(ok->text());
        QFont bf(QStringLiteral("Arial"));
        bf.setPixelSize(21);
        ok->setFont(bf);
        ok->setGeometry((width() - 160) / 2, 170, 160, 53);
        ok->OnClick = [this](QObject *) { accept(); };
    }

protected:
    void keyPressEvent(QKeyEvent *e) override
    {
        switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            accept();
            break;
        case Qt::Key_Escape:
            reject();
            break;
        default:
            e->ignore();
            break;
        }
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(204, 91, 44));
        const QRect r = rect();
        p.drawRect(QRect(r.left(), r.top(), r.width(), 2));
        p.drawRect(QRect(r.left(), r.bottom() - 1, r.width(), 2));
        p.drawRect(QRect(r.left(), r.top(), 2, r.height()));
        p.drawRect(QRect(r.right() - 1, r.top(), 2, r.height()));
    }
};

} // namespace

void SetMensagemHandler(MensagemHandler h)
{
    handler() = std::move(h);
}

void MensagemPadrao(const MensagemArgs &args)
{
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app || QThread::currentThread() != app->thread()) {
        // Nowhere to show a window: the text still reaches whoever reads the log.
        qWarning("Mensagem: %s", qUtf8Printable(args.texto));
        return;
    }
    MessageBox box(args.texto);
    if (QScreen *screen = box.screen())
        box.move(screen->geometry().center() - box.rect().center());
    box.exec();
}

void Mensagem(const QString &texto, const QString &titulo, const QString &opcao1, const QString &opcao2, TTipoMsg tipo,
              const QString &complemento, const QString &idEsquema, int ajuda, TClientDataSet *dados)
{
    const MensagemArgs args {texto, titulo, opcao1, opcao2, tipo, complemento, idEsquema, ajuda, dados};
    if (handler())
        handler()(args);
    else
        MensagemPadrao(args);
}

namespace {
// Exceptions that a handler raises while a window is up are shown as messages.
const bool g_reporterInstalled = [] {
    platform::Application::setExceptionReporter([](const QString &message) {
        Mensagem(message, QString(), QStringLiteral("N"), QStringLiteral("N"), tmErro, QString(), QString(), 0,
                 nullptr);
    });
    return true;
}();
} // namespace

} // namespace host
