#include "host/search/TfrmEditaTexto.h"

#include "host/TBlendedButton.h"
#include "host/search/Search.h"
#include "host/search/SearchSupport.h"
#include "host/search/TAreaTexto.h"
#include "host/search/TTecladoTela.h"
#include "platform/Application.h"
#include "platform/KeyMap.h"
#include "platform/Screen.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>

namespace host {

namespace {
constexpr int kWidth = 726;
constexpr int kHeight = 480;
constexpr int kFrameWidth = 2;
const QRect kTitle(12, 8, 702, 30);
const QRect kText(10, 40, 706, 140);
const QRect kKeyboard(10, 186, 706, 284);
} // namespace

TfrmEditaTexto::TfrmEditaTexto(const QString &text, const SearchLook &look, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_look(look)
{
    setObjectName(QStringLiteral("frmEditaTexto"));
    setWindowTitle(tr("Editar texto"));
    setFixedSize(kWidth, kHeight);
    setFocusPolicy(Qt::StrongFocus);
    // Dead keys and input methods commit composed letters through inputMethodEvent.
    setAttribute(Qt::WA_InputMethodEnabled);

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

    m_keyboard
        ->addCommand(QStringLiteral("btnBackspace"), tr("Backspace"), tr("Backspace"), 0, 10, 2)
        ->OnClick
        = [this](QObject *) { m_editor->backspace(); };
    m_keyboard->addCommand(QStringLiteral("btnShift"), tr("Shift"), tr("Shift"), 3, 0)->OnClick
        = [this](QObject *) { m_keyboard->setUpperCase(!m_keyboard->upperCase()); };
    m_keyboard->addCommand(QStringLiteral("btnSair"), tr("Sair"), tr("Sair"), 5, 0, 2)->OnClick
        = [this](QObject *) { reject(); };
    m_keyboard->addCommand(QStringLiteral("btnEspaco"), tr("Espaço"), tr("Espaço"), 5, 4, 4)
        ->OnClick
        = [this](QObject *) { m_editor->insert(QStringLiteral(" ")); };
    m_keyboard->addCommand(QStringLiteral("btnLimpar"), tr("Limpar"), tr("Limpar"), 5, 8, 2)
        ->OnClick
        = [this](QObject *) { m_editor->clear(); };
    m_keyboard
        ->addCommand(QStringLiteral("btnConfirmar"), tr("Confirmar"), tr("Confirmar"), 5, 10, 2)
        ->OnClick
        = [this](QObject *) { accept(); };
    m_keyboard->setLook(look);
    connect(m_keyboard, &TTecladoTela::characterTyped, this, [this](QChar c) { m_editor->insert(QString(c)); });

    centreOnScreen(this);
}

QString TfrmEditaTexto::text() const
{
    return m_editor->text();
}

void TfrmEditaTexto::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    platform::Application::guarded([this, event] { handleKey(event); });
}

void TfrmEditaTexto::inputMethodEvent(QInputMethodEvent *event)
{
    event->accept();
    // Composed letters are entered as typed ones are.
    const QString text = event->commitString();
    platform::Application::guarded([this, &text] {
        for (const QChar c : text) {
            if (c.isPrint() && platform::toAnsi(c))
                m_editor->insert(QString(c));
        }
    });
}

void TfrmEditaTexto::handleKey(QKeyEvent *event)
{
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    switch (event->key()) {
    case Qt::Key_Escape:
        reject();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (ctrl)
            accept();
        return;
    case Qt::Key_Left:
        m_editor->moveCursor(TAreaTexto::Move::Left);
        return;
    case Qt::Key_Right:
        m_editor->moveCursor(TAreaTexto::Move::Right);
        return;
    case Qt::Key_Up:
        m_editor->moveCursor(TAreaTexto::Move::Up);
        return;
    case Qt::Key_Down:
        m_editor->moveCursor(TAreaTexto::Move::Down);
        return;
    case Qt::Key_Home:
        m_editor->moveCursor(ctrl ? TAreaTexto::Move::TextStart : TAreaTexto::Move::LineStart);
        return;
    case Qt::Key_End:
        m_editor->moveCursor(ctrl ? TAreaTexto::Move::TextEnd : TAreaTexto::Move::LineEnd);
        return;
    case Qt::Key_Backspace:
        m_editor->backspace();
        return;
    case Qt::Key_Delete:
        m_editor->deleteForward();
        return;
    default:
        break;
    }
    if (const std::optional<QChar> c = typedPrintable(*event))
        m_editor->insert(QString(*c));
}

void TfrmEditaTexto::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const qreal half = kFrameWidth / 2.0;
    p.setPen(QPen(m_look.frame, kFrameWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));

    // What is being edited, above the text: "Editar Observação".
    p.setRenderHint(QPainter::TextAntialiasing);
    const QFont titleFont = arial(18, true);
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
    if (!canShowDialog("EditaTextoPadrao"))
        return text;
    QWidget *parent = dialogParent();
    QPointer<TfrmEditaTexto> dialog = new TfrmEditaTexto(text, SearchLook::fromRefs(cor1, cor2, cor3), parent);
    dialog->setSubject(callSubject(parent));
    const bool accepted = execWithDefaultCursor(dialog) == QDialog::Accepted;
    // Gone already if its parent went while it was shown: the text stays as given.
    QString result = (accepted && dialog) ? dialog->text() : text;
    delete dialog.data();
    return result;
}

} // namespace host
