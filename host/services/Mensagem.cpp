// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/services/Mensagem.h"

#include "host/controls/TBlendedButton.h"
#include "host/controls/TTouchDialog.h"
#include "host/services/MessageText.h"
#include "platform/Application.h"
#include "platform/Painting.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

namespace host {

namespace {

MensagemHandler &handler()
{
    static MensagemHandler h;
    return h;
}

// The mark that tells the kinds apart at a glance: a coloured disc with a sign.
struct KindMark
{
    QColor disc;
    QColor sign;
    QString text;
    const char *name; // what assistive technology says of the kind
};

KindMark markOf(TTipoMsg kind)
{
    switch (kind) {
    case tmPergunta:
        return {QColor(0, 94, 160), Qt::white, QStringLiteral("?"), QT_TRANSLATE_NOOP("host::Mensagem", "Pergunta")};
    case tmAviso:
        return {QColor(240, 170, 0), Qt::black, QStringLiteral("!"), QT_TRANSLATE_NOOP("host::Mensagem", "Aviso")};
    case tmErro:
        return {QColor(196, 32, 32), Qt::white, QStringLiteral("×"), QT_TRANSLATE_NOOP("host::Mensagem", "Erro")};
    case tmInformacao:
        break;
    }
    return {QColor(0, 0, 128), Qt::white, QStringLiteral("i"), QT_TRANSLATE_NOOP("host::Mensagem", "Informação")};
}

// The default box: frameless, white with the dialogs' orange-brown frame, the kind's
// mark, the text in large type and one large key.
class MessageBox : public TTouchDialog
{
public:
    MessageBox(const QString &text, TTipoMsg kind)
        : TTouchDialog(TTouchDialog::workingWindow(), QStringLiteral("frmMensagem"), QSize(520, 240),
                       QColor(204, 91, 44), Input::Keys)
        , m_mark(markOf(kind))
    {
        setWindowTitle(QCoreApplication::translate("host::Mensagem", "Mensagem"));
        // The coloured sign is painted; its meaning goes to assistive technology.
        setAccessibleDescription(QCoreApplication::translate("host::Mensagem", m_mark.name));

        auto *label = new MessageText(this);
        label->setObjectName(QStringLiteral("lblMensagem"));
        label->setMessage(text);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        label->setFocusPolicy(Qt::NoFocus);
        label->setFont(platform::arial(20, true));
        label->setGeometry(kMarkRect.right() + 12, 16, width() - kMarkRect.right() - 32, 140);

        auto *ok = new TBlendedButton(this);
        ok->setObjectName(QStringLiteral("btnOk"));
        ok->setText(QCoreApplication::translate("host::Mensagem", "OK"));
        ok->setAccessibleName(ok->text());
        ok->setFont(platform::arial(21));
        ok->setGeometry((width() - 160) / 2, 170, 160, 53);
        ok->SetColor(QColor(118, 118, 118)); // the touch keys' grey, darkened so white reads at 4.5:1
        connect(ok, &QAbstractButton::clicked, this, [this] { platform::Application::guarded([this] { accept(); }); });
    }

protected:
    bool handleKey(QKeyEvent *e) override
    {
        switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            accept();
            return true;
        default:
            return false;
        }
    }

    void paintContent(QPainter &p) override
    {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(m_mark.disc);
        p.drawEllipse(kMarkRect);
        p.setFont(platform::arial(40, true));
        p.setPen(m_mark.sign);
        p.drawText(kMarkRect, Qt::AlignCenter, m_mark.text);
    }

private:
    static constexpr QRect kMarkRect {24, 58, 60, 60};
    KindMark m_mark;
};

} // namespace

namespace {
// The handler may keep the texts; a caller's literals die with the module that holds
// them, so the handler gets copies that own their characters.
QString ownedCopy(const QString &text)
{
    return text.isNull() ? QString() : QString(text.constData(), text.size());
}
} // namespace

void SetMensagemHandler(MensagemHandler h)
{
    handler() = std::move(h);
}

void MensagemPadrao(const MensagemArgs &args)
{
    if (!platform::Application::onInterfaceThread("Mensagem", "the text goes to the log")) {
        // Nowhere to show a window: the text still reaches whoever reads the log.
        qWarning("Mensagem: %s", qUtf8Printable(args.texto));
        return;
    }
    MessageBox box(args.texto, args.tipo);
    box.exec();
}

void Mensagem(const QString &texto, const QString &titulo, const QString &opcao1, const QString &opcao2, TTipoMsg tipo,
              const QString &complemento, const QString &idEsquema, int ajuda, TClientDataSet *dados)
{
    const MensagemArgs args {ownedCopy(texto),
                             ownedCopy(titulo),
                             ownedCopy(opcao1),
                             ownedCopy(opcao2),
                             tipo,
                             ownedCopy(complemento),
                             ownedCopy(idEsquema),
                             ajuda,
                             dados};
    if (handler())
        handler()(args);
    else
        MensagemPadrao(args);
}

namespace {

// The scheme of the window the operator is working in: the running modal dialog or
// the active window, or a window below it (the search stands over the dialog it
// was opened from). Null when none of them has a scheme.
QVariant schemeOfWorkingWindow()
{
    for (QWidget *w = TTouchDialog::workingWindow(); w; w = w->parentWidget()) {
        QVariant scheme = w->property(kSchemePropertyName);
        if (scheme.isValid())
            return scheme;
    }
    return QVariant();
}

// Exceptions that a handler raises while a window is up are shown as messages; in a
// window with a scheme, as that window's own messages are.
const bool g_reporterInstalled = [] {
    platform::Application::setExceptionReporter([](const QString &message) {
        const QVariant scheme
            = qobject_cast<QApplication *>(QCoreApplication::instance()) ? schemeOfWorkingWindow() : QVariant();
        if (scheme.isValid())
            Mensagem(message, QString(), QStringLiteral("N"), QStringLiteral("N"), tmInformacao, QString(),
                     scheme.toString(), 0, nullptr);
        else
            Mensagem(message, QString(), QStringLiteral("N"), QStringLiteral("N"), tmErro, QString(), QString(), 0,
                     nullptr);
    });
    return true;
}();
} // namespace

} // namespace host
