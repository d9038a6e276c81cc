// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/search/TfrmEditaTexto.h"

#include "host/controls/TBlendedButton.h"
#include "host/controls/TTecladoTela.h"
#include "host/search/Search.h"
#include "host/search/TAreaTexto.h"
#include "platform/Application.h"
#include "platform/Painting.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPointer>

namespace host {

namespace {
constexpr QSize kSize(726, 480);
const QRect kTitle(12, 8, 702, 30);
const QRect kText(10, 40, 706, 140);
const QRect kKeyboard(10, 186, 706, 284);

enum Command { Backspace, Shift, Exit, Space, Clear, Confirm };

constexpr KeyDesc::Font kCommandFont {"Arial", 17, true};

// Letters, digits, the accented letters of Portuguese and punctuation, with the commands
// around them.
constexpr KeyDesc kKeys[] = {
    KeyDesc::characterRun(u"1234567890", 0, 0),
    KeyDesc::characterRun(u"QWERTYUIOPÁÉ", 1, 0),
    KeyDesc::characterRun(u"ASDFGHJKLÇÍÓ", 2, 0),
    KeyDesc::characterRun(u"ZXCVBNMÚÂÊÔ", 3, 1),
    KeyDesc::characterRun(u"ÃÕÀÜ.,;:-!?/", 4, 0),
    KeyDesc::characterRun(u"()", 5, 2),
    KeyDesc::gridCommand("btnBackspace", QT_TRANSLATE_NOOP("host::TfrmEditaTexto", "Backspace"), Backspace, {0, 10, 2},
                         kCommandFont),
    KeyDesc::gridCommand("btnShift", QT_TRANSLATE_NOOP("host::TfrmEditaTexto", "Shift"), Shift, {3, 0}, kCommandFont),
    KeyDesc::gridCommand("btnSair", QT_TRANSLATE_NOOP("host::TfrmEditaTexto", "Sair"), Exit, {5, 0, 2}, kCommandFont),
    KeyDesc::gridCommand("btnEspaco", QT_TRANSLATE_NOOP("host::TfrmEditaTexto", "Espaço"), Space, {5, 4, 4},
                         kCommandFont),
    KeyDesc::gridCommand("btnLimpar", QT_TRANSLATE_NOOP("host::TfrmEditaTexto", "Limpar"), Clear, {5, 8, 2},
                         kCommandFont),
    KeyDesc::gridCommand("btnConfirmar", QT_TRANSLATE_NOOP("host::TfrmEditaTexto", "Confirmar"), Confirm, {5, 10, 2},
                         kCommandFont),
};
} // namespace

TfrmEditaTexto::TfrmEditaTexto(const QString &text, const SearchLook &look, QWidget *parent)
    : TTouchDialog(parent, QStringLiteral("frmEditaTexto"), kSize, look.frame, Input::Text)
{
    setWindowTitle(tr("Editar texto"));

    m_editor = new TAreaTexto(this);
    m_editor->setObjectName(QStringLiteral("txtTexto"));
    m_editor->setAccessibleName(tr("Texto"));
    m_editor->setGeometry(kText);
    m_editor->setText(text);

    m_keyboard = new TTecladoTela(12, 6, this);
    m_keyboard->setGeometry(kKeyboard);
    m_keyboard->setFont(platform::arial(22));
    m_keyboard->addKeys(kKeys, "host::TfrmEditaTexto");
    for (TBlendedButton *key : m_keyboard->keys())
        look.applyTo(key);
    connect(m_keyboard, &TTecladoTela::commandClicked, this, &TfrmEditaTexto::command);
    connect(m_keyboard, &TTecladoTela::characterTyped, this, &TfrmEditaTexto::typeCharacter);
}

void TfrmEditaTexto::command(int id)
{
    switch (id) {
    case Backspace:
        m_editor->backspace();
        break;
    case Shift:
        m_keyboard->setUpperCase(!m_keyboard->upperCase());
        break;
    case Exit:
        reject();
        break;
    case Space:
        typeCharacter(QLatin1Char(' '));
        break;
    case Clear:
        m_editor->clear();
        break;
    case Confirm:
        accept();
        break;
    }
}

QString TfrmEditaTexto::text() const
{
    return m_editor->text();
}

void TfrmEditaTexto::typeCharacter(QChar c)
{
    m_editor->insert(QString(c));
}

bool TfrmEditaTexto::handleKey(QKeyEvent *event)
{
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (ctrl)
            accept();
        return true;
    case Qt::Key_Left:
        m_editor->moveCursor(TAreaTexto::Move::Left);
        return true;
    case Qt::Key_Right:
        m_editor->moveCursor(TAreaTexto::Move::Right);
        return true;
    case Qt::Key_Up:
        m_editor->moveCursor(TAreaTexto::Move::Up);
        return true;
    case Qt::Key_Down:
        m_editor->moveCursor(TAreaTexto::Move::Down);
        return true;
    case Qt::Key_Home:
        m_editor->moveCursor(ctrl ? TAreaTexto::Move::TextStart : TAreaTexto::Move::LineStart);
        return true;
    case Qt::Key_End:
        m_editor->moveCursor(ctrl ? TAreaTexto::Move::TextEnd : TAreaTexto::Move::LineEnd);
        return true;
    case Qt::Key_Backspace:
        m_editor->backspace();
        return true;
    case Qt::Key_Delete:
        m_editor->deleteForward();
        return true;
    default:
        return false;
    }
}

void TfrmEditaTexto::paintContent(QPainter &p)
{
    // What is being edited, above the text: "Editar Observação".
    p.setRenderHint(QPainter::TextAntialiasing);
    const QFont titleFont = platform::arial(18, true);
    p.setFont(titleFont);
    p.setPen(Qt::black);
    p.drawText(kTitle, Qt::AlignLeft | Qt::AlignVCenter,
               QFontMetrics(titleFont).elidedText(windowTitle(), Qt::ElideRight, kTitle.width()));
}

void TfrmEditaTexto::setSubject(const QString &subject)
{
    const QString title = subject.isEmpty() ? tr("Editar texto") : tr("Editar %1").arg(subject);
    if (title == windowTitle())
        return;
    setWindowTitle(title);
    update(kTitle);
}

QString EditaTextoPadrao(int, const QString &text, int cor1, int cor2, int cor3)
{
    if (!platform::Application::onInterfaceThread("EditaTextoPadrao"))
        return text;
    QWidget *parent = TTouchDialog::workingWindow();
    QPointer<TfrmEditaTexto> dialog = new TfrmEditaTexto(text, SearchLook::fromRefs(cor1, cor2, cor3), parent);
    dialog->setSubject(TTouchDialog::subjectOf(parent));
    const bool accepted = dialog->showModal() == QDialog::Accepted;
    // Gone already if its parent went while it was shown: the text stays as given.
    QString result = (accepted && dialog) ? dialog->text() : text;
    delete dialog.data();
    return result;
}

} // namespace host
