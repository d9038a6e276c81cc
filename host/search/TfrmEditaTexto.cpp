// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/search/TfrmEditaTexto.h"

#include "host/controls/TBlendedButton.h"
#include "host/search/Search.h"
#include "host/search/TAreaTexto.h"
#include "host/search/TTecladoTela.h"
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
    const QString rowsOfKeys[]
        = {QStringLiteral("1234567890"),  QStringLiteral("QWERTYUIOPÁÉ"), QStringLiteral("ASDFGHJKLÇÍÓ"),
           QStringLiteral("ZXCVBNMÚÂÊÔ"), QStringLiteral("ÃÕÀÜ.,;:-!?/"), QStringLiteral("()")};
    const int firstColumn[] = {0, 0, 0, 1, 0, 2};
    for (int row = 0; row < 6; ++row)
        for (int i = 0; i < rowsOfKeys[row].size(); ++i)
            m_keyboard->addCharacter(rowsOfKeys[row].at(i), row, firstColumn[row] + i);

    m_keyboard->addCommand(QStringLiteral("btnBackspace"), tr("Backspace"), tr("Backspace"), 0, 10, 2)->OnClick
        = [this](QObject *) { m_editor->backspace(); };
    m_keyboard->addCommand(QStringLiteral("btnShift"), tr("Shift"), tr("Shift"), 3, 0)->OnClick
        = [this](QObject *) { m_keyboard->setUpperCase(!m_keyboard->upperCase()); };
    m_keyboard->addCommand(QStringLiteral("btnSair"), tr("Sair"), tr("Sair"), 5, 0, 2)->OnClick
        = [this](QObject *) { reject(); };
    m_keyboard->addCommand(QStringLiteral("btnEspaco"), tr("Espaço"), tr("Espaço"), 5, 4, 4)->OnClick
        = [this](QObject *) { typeCharacter(QLatin1Char(' ')); };
    m_keyboard->addCommand(QStringLiteral("btnLimpar"), tr("Limpar"), tr("Limpar"), 5, 8, 2)->OnClick
        = [this](QObject *) { m_editor->clear(); };
    m_keyboard->addCommand(QStringLiteral("btnConfirmar"), tr("Confirmar"), tr("Confirmar"), 5, 10, 2)->OnClick
        = [this](QObject *) { accept(); };
    m_keyboard->setLook(look);
    connect(m_keyboard, &TTecladoTela::characterTyped, this, &TfrmEditaTexto::typeCharacter);
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
