// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "host/search/TfrmPesquisa.h"

#include "host/controls/TBlendedButton.h"
#include "host/controls/TTecladoTela.h"
#include "host/data/TClientDataSet.h"
#include "host/search/AccessibleFactory.h"
#include "host/search/Search.h"
#include "host/search/TListaPesquisa.h"
#include "platform/Application.h"
#include "platform/Painting.h"
#include "platform/Variants.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>

namespace host {

namespace {
constexpr QSize kSize(726, 480);
const QRect kSearchField(10, 10, 706, 40);
const QRect kRows(10, 56, 640, 2 * TListaPesquisa::FrameWidth + 5 * TListaPesquisa::RowHeight);
const QRect kUp(656, 56, 60, 101);
const QRect kDown(656, 159, 60, 101);
const QRect kKeyboard(10, 266, 706, 204);

enum Command { Backspace, Clear, Space, Exit, Confirm };

constexpr KeyDesc::Font kCommandFont {"Arial", 17, true};

// Digits and letters; Sair takes the first two cells of the last row.
constexpr KeyDesc kKeys[] = {
    KeyDesc::characterRun(u"1234567890", 0, 0),
    KeyDesc::characterRun(u"QWERTYUIOP", 1, 0),
    KeyDesc::characterRun(u"ASDFGHJKLÇ", 2, 0),
    KeyDesc::characterRun(u"ZXCVBNM", 3, 2),
    KeyDesc::gridCommand("btnBackspace", QT_TRANSLATE_NOOP("host::TfrmPesquisa", "Backspace"), Backspace, {0, 10, 2},
                         kCommandFont),
    KeyDesc::gridCommand("btnLimpar", QT_TRANSLATE_NOOP("host::TfrmPesquisa", "Limpar"), Clear, {1, 10, 2},
                         kCommandFont),
    KeyDesc::gridCommand("btnEspaco", QT_TRANSLATE_NOOP("host::TfrmPesquisa", "Espaço"), Space, {2, 10, 2},
                         kCommandFont),
    KeyDesc::gridCommand("btnSair", QT_TRANSLATE_NOOP("host::TfrmPesquisa", "Sair"), Exit, {3, 0, 2}, kCommandFont),
    KeyDesc::gridCommand("btnConfirmar", QT_TRANSLATE_NOOP("host::TfrmPesquisa", "Confirmar"), Confirm, {3, 9, 3},
                         kCommandFont),
};

// The field index of DSOCORR; raises before anything is shown when the list cannot be
// searched.
int descriptionFieldOf(TClientDataSet *list)
{
    (void)list->RecordCount(); // raises on a closed table
    (void)list->GetField(0); // raises on a table without fields
    return list->FieldByName(QStringLiteral("DSOCORR"))->Index();
}
} // namespace

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

TfrmPesquisa::TfrmPesquisa(TClientDataSet *list, const SearchLook &look, QWidget *parent)
    : TTouchDialog(parent, QStringLiteral("frmPesquisa"), kSize, look.frame, Input::Text)
    , m_list(list)
    , m_descriptionField(descriptionFieldOf(list))
    , m_hostFilter(list->OnFilterRecord)
{
    setWindowTitle(tr("Pesquisa"));
    installSearchAccessibility();

    m_rows = new TListaPesquisa(this);
    m_rows->setObjectName(QStringLiteral("lstPesquisa"));
    m_rows->setAccessibleName(tr("Resultados da pesquisa"));
    m_rows->setGeometry(kRows);
    m_rows->setHighlightColor(look.highlight, look.highlightText());
    m_rows->setEmptyText(tr("Nenhum registro encontrado."));
    connect(m_rows, &TListaPesquisa::activated, this, [this] { platform::Application::guarded([this] { choose(); }); });

    const auto arrowKey = [this, &look](const QString &name, const QString &caption, const QString &accessible,
                                        const QRect &bounds, int delta) {
        auto *key = new TBlendedButton(this);
        m_needRows.append(key);
        key->setObjectName(name);
        key->setText(caption);
        key->setAccessibleName(accessible);
        key->setFont(platform::arial(26));
        key->setGeometry(bounds);
        key->setAutoRepeat(true);
        look.applyTo(key);
        connect(key, &QAbstractButton::clicked, this,
                [this, delta] { platform::Application::guarded([this, delta] { m_rows->moveHighlight(delta); }); });
    };
    arrowKey(QStringLiteral("btnAcima"), QStringLiteral("▲"), tr("Acima"), kUp, -1);
    arrowKey(QStringLiteral("btnAbaixo"), QStringLiteral("▼"), tr("Abaixo"), kDown, 1);

    m_keyboard = new TTecladoTela(12, 4, this);
    m_keyboard->setGeometry(kKeyboard);
    m_keyboard->setFont(platform::arial(22));
    m_keyboard->addKeys(kKeys, "host::TfrmPesquisa");
    for (TBlendedButton *key : m_keyboard->keys())
        look.applyTo(key);
    m_needRows.append(m_keyboard->key(QStringLiteral("btnConfirmar")));
    connect(m_keyboard, &TTecladoTela::commandClicked, this, &TfrmPesquisa::command);
    connect(m_keyboard, &TTecladoTela::characterTyped, this, &TfrmPesquisa::typeCharacter);

    applyFilter();
}

TfrmPesquisa::~TfrmPesquisa()
{
    // The host gets its own filter back; the list then shows what that filter shows,
    // which still holds the chosen record.
    m_list->OnFilterRecord = m_hostFilter;
    // A destructor must not throw: an error of the host's filter is reported instead.
    platform::Application::guarded([this] {
        if (m_list->Filtered())
            m_list->Refilter();
    });
}

void TfrmPesquisa::command(int id)
{
    switch (id) {
    case Backspace:
        removeLast();
        break;
    case Clear:
        setSearchText(QString());
        break;
    case Space:
        typeCharacter(QLatin1Char(' '));
        break;
    case Exit:
        reject();
        break;
    case Confirm:
        choose();
        break;
    }
}

void TfrmPesquisa::setSearchText(const QString &text)
{
    const QString limited = text.left(MaxSearchLength);
    if (limited == m_search)
        return;
    const QString old = m_search;
    m_search = limited;
    applyFilter();
    update(searchFieldRect());
    // The search field is the window's first accessible child.
    QAccessibleTextUpdateEvent changed(this, 0, old, m_search);
    changed.setChild(0);
    QAccessible::updateAccessibility(&changed);
}

void TfrmPesquisa::typeCharacter(QChar c)
{
    if (m_search.size() < MaxSearchLength)
        setSearchText(m_search + c);
}

void TfrmPesquisa::removeLast()
{
    if (!m_search.isEmpty())
        setSearchText(m_search.chopped(1));
}

void TfrmPesquisa::applyFilter()
{
    // The filter outlives the dialog (the list keeps it until the caller switches
    // filtering off), so it holds copies, never the dialog.
    const QString needle = foldForSearch(m_search);
    const int description = m_descriptionField;
    m_list->OnFilterRecord
        = [needle, description, host = m_hostFilter](const TClientDataSet &table, const QVariantList &record) {
              // Only what the host's own filter lets through is offered.
              if (host && !host(table, record))
                  return false;
              if (needle.isEmpty())
                  return true;
              const auto holds = [&](int field) {
                  return field < record.size() && foldForSearch(platform::varToStr(record.at(field))).contains(needle);
              };
              return holds(0) || holds(description);
          };
    if (m_list->Filtered())
        m_list->Refilter();
    else
        m_list->SetFiltered(true);
    loadRows();
}

void TfrmPesquisa::loadRows()
{
    // The visible records are only reachable as the current one; put it back after.
    const int count = m_list->RecordCount();
    const int saved = m_list->RecNo();
    QList<TListaPesquisa::Row> rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i) {
        m_list->SetRecNo(i);
        const QVariantList record = m_list->CurrentRecord();
        rows.append({platform::varToStr(record.value(0)), platform::varToStr(record.value(m_descriptionField))});
    }
    if (saved >= 0 && saved < count)
        m_list->SetRecNo(saved);
    m_rows->setRows(rows);
    // With nothing to choose or move through, those keys say so.
    for (TBlendedButton *key : std::as_const(m_needRows))
        key->setEnabled(!rows.isEmpty());
}

void TfrmPesquisa::setSubject(const QString &subject)
{
    const QString title = subject.isEmpty() ? tr("Pesquisa") : tr("Pesquisar %1").arg(subject);
    if (subject == m_subject && title == windowTitle())
        return;
    m_subject = subject;
    setWindowTitle(title);
    update(searchFieldRect());
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    renamed.setChild(0);
    QAccessible::updateAccessibility(&renamed);
}

QString TfrmPesquisa::searchLabel() const
{
    return m_subject.isEmpty() ? tr("Pesquisar") : tr("Pesquisar %1").arg(m_subject);
}

bool TfrmPesquisa::choose()
{
    const int row = m_rows->highlighted();
    if (row < 0 || row >= m_list->RecordCount())
        return false;
    m_list->SetRecNo(row);
    accept();
    return true;
}

bool TfrmPesquisa::handleKey(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        choose();
        return true;
    case Qt::Key_Up:
        m_rows->moveHighlight(-1);
        return true;
    case Qt::Key_Down:
        m_rows->moveHighlight(1);
        return true;
    case Qt::Key_PageUp:
        m_rows->moveHighlight(-m_rows->pageRows());
        return true;
    case Qt::Key_PageDown:
        m_rows->moveHighlight(m_rows->pageRows());
        return true;
    case Qt::Key_Backspace:
        removeLast();
        return true;
    case Qt::Key_Delete:
        setSearchText(QString());
        return true;
    default:
        return false;
    }
}

QRect TfrmPesquisa::searchFieldRect() const
{
    return kSearchField;
}

void TfrmPesquisa::paintContent(QPainter &p)
{
    // The search field: a label, the typed text and a bar where the next character goes.
    const QRect field = searchFieldRect();
    platform::drawFrame(p, field, Qt::black, FrameWidth);
    p.setRenderHint(QPainter::TextAntialiasing);
    // The label names what is searched ("Pesquisar Observação:"), never taking more
    // than half the field from the typed text.
    const QFont labelFont = platform::arial(16, true);
    const QString what = searchLabel();
    const QString label = QFontMetrics(labelFont).elidedText(what, Qt::ElideRight, field.width() / 2) + u':';
    p.setFont(labelFont);
    const QRect labelRect = field.adjusted(12, 0, 0, 0);
    p.drawText(labelRect, Qt::AlignLeft | Qt::AlignVCenter, label);

    const QFont textFont = platform::arial(18, true);
    const QFontMetrics fm(textFont);
    const int textLeft = labelRect.left() + QFontMetrics(labelFont).horizontalAdvance(label) + 10;
    const int textRight = field.right() - 12;
    // The end of a long text stays in view: that is where typing goes.
    const QString shown = fm.elidedText(m_search, Qt::ElideLeft, textRight - textLeft - 4);
    p.setFont(textFont);
    p.setPen(QColor(0, 0, 128));
    p.drawText(QRect(textLeft, field.top(), textRight - textLeft, field.height()), Qt::AlignLeft | Qt::AlignVCenter,
               shown);
    const int barX = textLeft + fm.horizontalAdvance(shown) + 1;
    p.fillRect(QRect(barX, field.center().y() - fm.ascent() / 2 - 2, 2, fm.ascent() + 4), Qt::black);
}

bool PesquisaPadrao(TClientDataSet *list, int, int, int cor1, int cor2, int cor3, int cor5, int)
{
    if (!list)
        return false;
    if (!platform::Application::onInterfaceThread("PesquisaPadrao"))
        return false;
    QWidget *parent = TTouchDialog::workingWindow();
    QPointer<TfrmPesquisa> dialog = new TfrmPesquisa(list, SearchLook::fromRefs(cor1, cor2, cor3, cor5), parent);
    dialog->setSubject(TTouchDialog::subjectOf(parent));
    const bool chosen = dialog->showModal() == QDialog::Accepted;
    delete dialog.data(); // gone already if its parent went while it was shown
    return chosen;
}

} // namespace host
