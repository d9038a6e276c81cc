// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

#include "support/Input.h"

#include "host/controls/TBlendedButton.h"
#include "host/controls/TTecladoTela.h"
#include "host/controls/TTouchDialog.h"
#include "host/data/TClientDataSet.h"
#include "host/search/Search.h"
#include "host/search/SearchLook.h"
#include "host/search/TAreaTexto.h"
#include "host/search/TListaPesquisa.h"
#include "host/search/TfrmEditaTexto.h"
#include "host/search/TfrmPesquisa.h"
#include "host/services/Mensagem.h"
#include "platform/Exception.h"

#include <QApplication>
#include <QDir>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <thread>

using namespace host;

namespace {

// Runs the steps on the modal dialog once the blocking call has shown it. Should the
// steps leave it open, it is rejected after a while so that a failing test ends.
template<typename Dialog> class WhenShown
{
public:
    explicit WhenShown(std::function<void(Dialog *)> steps)
    {
        QTimer::singleShot(0, &m_context, [steps] {
            auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget());
            if (!dialog) {
                ADD_FAILURE() << "the expected dialog is not shown";
                return;
            }
            steps(dialog);
        });
        QTimer::singleShot(5000, &m_context, [] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << "the dialog was left open";
                dialog->reject();
            }
        });
    }

private:
    QObject m_context; // ends the timers with the test
};

// The on-screen key of a character, found as an operator finds it: by its caption.
void tapCharacter(QWidget *dialog, QChar c)
{
    for (TBlendedButton *button : dialog->findChildren<TBlendedButton *>())
        if (button->accessibleName() == QString(c)) {
            QTest::mouseClick(button, Qt::LeftButton);
            return;
        }
    ADD_FAILURE() << "no key for " << QString(c).toStdString();
}

QStringList codes(const TfrmPesquisa *dialog)
{
    QStringList list;
    for (const TListaPesquisa::Row &row : dialog->rows()->rows())
        list << row.code;
    return list;
}

void saveGrab(QWidget *w, const QString &name)
{
    const QPixmap pixmap = w->grab();
    EXPECT_EQ(pixmap.size(), QSize(726, 480));
    EXPECT_TRUE(pixmap.save(QDir::temp().filePath(name)));
}

class SearchDialogs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        list.AddFieldDef({QStringLiteral("CDOCORR"), FieldType::String, 2});
        list.AddFieldDef({QStringLiteral("DSRESUMO"), FieldType::String, 20});
        list.AddFieldDef({QStringLiteral("DSOCORR"), FieldType::String, 40});
        list.AddFieldDef({QStringLiteral("NRORDEM"), FieldType::Int32});
        list.CreateDataSet();
        list.AppendRecord({"01", "Sal", "Sem sal", 1});
        list.AppendRecord({"02", "Acucar", "Com açúcar", 2});
        list.AppendRecord({"A3", "Ponto", "Bem passado", 3});
        list.AppendRecord({"04", "Cebola", "SEM CEBOLA", 4});
        list.AppendRecord({"05", "Xpto", "Sem gelo", 5});
        list.AppendRecord({"06", "Molho", "Molho à parte", 6});
        list.First();
    }

    QString currentCode() { return list.FieldByName(QStringLiteral("CDOCORR"))->AsString(); }

    bool search() { return PesquisaPadrao(&list, 0, 0, 0, 0, 0, 0, 0); }

    TClientDataSet list;
};

} // namespace

// What the touch windows share: Escape leaves, a key handler's exception is reported and
// goes no further, printable Windows-1252 characters are typed, the rest is dropped.
class ProbeWindow : public TTouchDialog
{
public:
    using TTouchDialog::Input;
    explicit ProbeWindow(Input input)
        : TTouchDialog(nullptr, QStringLiteral("probe"), QSize(200, 100), Qt::red, input)
    { }
    QString typed;
    bool raise = false;

protected:
    bool handleKey(QKeyEvent *event) override
    {
        if (raise)
            throw platform::EInvalidOperation(QStringLiteral("falha do manipulador"));
        return event->key() == Qt::Key_F2;
    }
    void typeCharacter(QChar c) override { typed += c; }
    void paintContent(QPainter &) override { }
};

bool send(QWidget &w, int key, const QString &text = QString())
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&w, &event);
    return event.isAccepted();
}

TEST(TouchWindow, KeysAreGuardedTypedOrIgnoredAndEscapeLeaves)
{
    QStringList reported;
    SetMensagemHandler([&](const MensagemArgs &args) { reported << args.texto; }); // where errors are shown
    ProbeWindow text(ProbeWindow::Input::Text);
    EXPECT_EQ(text.objectName(), QStringLiteral("probe"));
    EXPECT_EQ(text.size(), QSize(200, 100));
    EXPECT_TRUE(text.testAttribute(Qt::WA_InputMethodEnabled));
    send(text, Qt::Key_A, QStringLiteral("á"));
    send(text, Qt::Key_A, QStringLiteral("ж")); // outside the code page
    send(text, Qt::Key_F2, QStringLiteral("x")); // the window's own key
    EXPECT_TRUE(send(text, Qt::Key_F3)); // nothing to type, still taken
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("ê€ą\u0007"));
    QApplication::sendEvent(&text, &composed);
    EXPECT_EQ(text.typed, QStringLiteral("áê€"));

    text.raise = true;
    EXPECT_NO_THROW(send(text, Qt::Key_F2));
    ASSERT_EQ(reported.size(), 1);
    EXPECT_TRUE(reported.first().contains(QStringLiteral("falha do manipulador")));

    ProbeWindow keys(ProbeWindow::Input::Keys);
    EXPECT_FALSE(keys.testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_FALSE(send(keys, Qt::Key_B, QStringLiteral("b"))); // left to others
    EXPECT_TRUE(send(keys, Qt::Key_F2));
    EXPECT_EQ(keys.typed, QString());
    keys.setResult(QDialog::Accepted);
    send(keys, Qt::Key_Escape);
    EXPECT_EQ(keys.result(), QDialog::Rejected);
    SetMensagemHandler({});
}

TEST(SearchHelpers, FoldingDropsAccentsAndCase)
{
    EXPECT_EQ(foldForSearch(QStringLiteral("Com AÇÚCAR")), QStringLiteral("com acucar"));
    EXPECT_EQ(foldForSearch(QStringLiteral("À parte, pão, Ü")), QStringLiteral("a parte, pao, u"));
    EXPECT_TRUE(foldForSearch(QStringLiteral("Molho à parte")).contains(foldForSearch(QStringLiteral("A PÁRTE"))));
}

TEST(SearchHelpers, ColourReferencesAreBlueGreenRed)
{
    const SearchLook look = SearchLook::fromRefs(0x00112233, 0x002C5BCC, 0, -16777208 /* a system colour */);
    EXPECT_EQ(look.frame, QColor(0x33, 0x22, 0x11));
    EXPECT_EQ(look.disabledFace, QColor(204, 91, 44));
    EXPECT_EQ(look.keyFace, SearchLook().keyFace); // 0 keeps the default
    EXPECT_EQ(look.caption, SearchLook().caption); // so does a system colour
    EXPECT_EQ(SearchLook().highlightText(), QColor(Qt::white));
    SearchLook light;
    light.highlight = QColor(255, 255, 160);
    EXPECT_EQ(light.highlightText(), QColor(Qt::black));
}

TEST_F(SearchDialogs, TypingNarrowsRowsByCodeOrDsocorrIgnoringCaseAndAccents)
{
    WhenShown<TfrmPesquisa> steps([this](TfrmPesquisa *d) {
        EXPECT_EQ(codes(d), (QStringList {"01", "02", "A3", "04", "05", "06"}));
        EXPECT_TRUE(list.Filtered());

        QTest::keyClicks(d, QStringLiteral("acucar"));
        EXPECT_EQ(d->searchText(), QStringLiteral("acucar"));
        EXPECT_EQ(codes(d), QStringList {"02"});
        EXPECT_EQ(list.RecordCount(), 1); // the list's own filter does the narrowing

        QTest::keyClick(d, Qt::Key_Delete);
        typeText(d, QStringLiteral("ÇÚ"));
        EXPECT_EQ(codes(d), QStringList {"02"});

        // The code takes part, in any case; so do the on-screen keys.
        QTest::keyClick(d, Qt::Key_Delete);
        tapCharacter(d, 'A');
        tapCharacter(d, '3');
        EXPECT_EQ(codes(d), QStringList {"A3"});

        tap(d, "btnLimpar");
        QTest::keyClicks(d, QStringLiteral("sem "));
        EXPECT_EQ(codes(d), (QStringList {"01", "04", "05"}));
        tap(d, "btnBackspace");
        QTest::keyClick(d, Qt::Key_Backspace);
        EXPECT_EQ(d->searchText(), QStringLiteral("se"));

        // Only DSOCORR is searched, not the other text fields.
        QTest::keyClick(d, Qt::Key_Delete);
        QTest::keyClicks(d, QStringLiteral("xpto"));
        EXPECT_TRUE(codes(d).isEmpty());
        EXPECT_EQ(d->rows()->highlighted(), -1);
        // Nothing to choose: the dialog stays open.
        QTest::keyClick(d, Qt::Key_Return);
        tap(d, "btnConfirmar");
        EXPECT_TRUE(d->isVisible());
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_FALSE(search());
    // Filtering is left to the caller to switch off.
    EXPECT_TRUE(list.Filtered());
}

TEST_F(SearchDialogs, HighlightMovesAndResetsAndChoosingSetsCurrentRecord)
{
    WhenShown<TfrmPesquisa> steps([](TfrmPesquisa *d) {
        TListaPesquisa *rows = d->rows();
        EXPECT_EQ(rows->highlighted(), 0);
        QTest::keyClick(d, Qt::Key_Up);
        EXPECT_EQ(rows->highlighted(), 0);
        QTest::keyClick(d, Qt::Key_Down);
        QTest::keyClick(d, Qt::Key_Down);
        tap(d, "btnAbaixo");
        EXPECT_EQ(rows->highlighted(), 3);
        QTest::keyClick(d, Qt::Key_Up);
        EXPECT_EQ(rows->highlighted(), 2);
        for (int i = 0; i < 10; ++i)
            QTest::keyClick(d, Qt::Key_Down);
        EXPECT_EQ(rows->highlighted(), 5);
        // The last row is scrolled into view.
        EXPECT_GE(5, rows->topRow());
        EXPECT_LT(5, rows->topRow() + rows->pageRows());

        QTest::keyClicks(d, QStringLiteral("sem"));
        EXPECT_EQ(rows->highlighted(), 0);
        QTest::keyClick(d, Qt::Key_Down);
        QTest::keyClick(d, Qt::Key_Backspace);
        EXPECT_EQ(rows->highlighted(), 0);
        QTest::keyClicks(d, QStringLiteral("m"));

        // A tap on the third row ("05", "Sem gelo") highlights it without choosing.
        const int y = TListaPesquisa::FrameWidth + 2 * TListaPesquisa::RowHeight + TListaPesquisa::RowHeight / 2;
        QTest::mouseClick(rows, Qt::LeftButton, {}, QPoint(100, y));
        EXPECT_EQ(rows->highlighted(), 2);
        EXPECT_TRUE(d->isVisible());
        QTest::keyClick(d, Qt::Key_Return);
    });
    list.SetRecNo(1);
    EXPECT_TRUE(search());
    EXPECT_EQ(currentCode(), QStringLiteral("05"));
    // The search's filter went with the dialog: the list (no filter of the host's)
    // shows every record again, the chosen one current.
    EXPECT_EQ(list.RecordCount(), 6);
    list.Refilter();
    EXPECT_EQ(list.RecordCount(), 6);
    EXPECT_EQ(currentCode(), QStringLiteral("05"));
    list.SetFiltered(false);
    EXPECT_EQ(list.RecordCount(), 6);
}

TEST_F(SearchDialogs, SearchOffersOnlyWhatTheHostsFilterShowsAndGivesItsFilterBack)
{
    // The host hides inactive observations (NRORDEM 2 and 4 here) with its own filter.
    list.OnFilterRecord
        = [](const TClientDataSet &, const QVariantList &record) { return record.at(3).toInt() % 2 == 1; };
    list.SetFiltered(true);
    WhenShown<TfrmPesquisa> steps([](TfrmPesquisa *d) {
        EXPECT_EQ(codes(d), (QStringList {"01", "A3", "05"}));
        QTest::keyClicks(d, QStringLiteral("sem"));
        EXPECT_EQ(codes(d), (QStringList {"01", "05"})); // "04 SEM CEBOLA" stays hidden
        QTest::keyClick(d, Qt::Key_Down);
        QTest::keyClick(d, Qt::Key_Return);
    });
    EXPECT_TRUE(search());
    EXPECT_EQ(currentCode(), QStringLiteral("05"));
    // The list shows what the host's filter shows, the chosen record current...
    EXPECT_EQ(list.RecordCount(), 3);
    // ...and with filtering switched off and on again, the host's filter is the one.
    list.SetFiltered(false);
    EXPECT_EQ(list.RecordCount(), 6);
    list.SetFiltered(true);
    EXPECT_EQ(list.RecordCount(), 3);
    EXPECT_EQ(currentCode(), QStringLiteral("05"));

    // A host whose filter is installed but switched off is searched through it too,
    // and its filtering state is left as the search left it for the caller.
    list.SetFiltered(false);
    WhenShown<TfrmPesquisa> cancel([](TfrmPesquisa *d) {
        EXPECT_EQ(codes(d), (QStringList {"01", "A3", "05"}));
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_FALSE(search());
    list.SetFiltered(false);
    list.SetFiltered(true);
    EXPECT_EQ(list.RecordCount(), 3);
}

TEST_F(SearchDialogs, ConfirmKeyChoosesAndExitKeysLeave)
{
    WhenShown<TfrmPesquisa> choose([](TfrmPesquisa *d) {
        QTest::keyClick(d, Qt::Key_Down);
        tap(d, "btnConfirmar");
    });
    EXPECT_TRUE(search());
    EXPECT_EQ(currentCode(), QStringLiteral("02"));

    list.SetFiltered(false);
    list.SetRecNo(4);
    WhenShown<TfrmPesquisa> leave([](TfrmPesquisa *d) {
        QTest::keyClick(d, Qt::Key_Down);
        tap(d, "btnSair");
    });
    EXPECT_FALSE(search());

    WhenShown<TfrmPesquisa> escape([](TfrmPesquisa *d) { QTest::keyClick(d, Qt::Key_Escape); });
    EXPECT_FALSE(search());
}

TEST_F(SearchDialogs, SearchRefusesWhatItCannotShow)
{
    EXPECT_FALSE(PesquisaPadrao(nullptr, 0, 0, 0, 0, 0, 0, 0));

    TClientDataSet bare;
    bare.AddFieldDef({QStringLiteral("CDOCORR"), FieldType::String, 2});
    bare.AddFieldDef({QStringLiteral("DSRESUMO"), FieldType::String, 20});
    bare.CreateDataSet();
    bare.AppendRecord({"01", "Sal"});
    EXPECT_THROW(PesquisaPadrao(&bare, 0, 0, 0, 0, 0, 0, 0), platform::EDatabaseError);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(bare.Filtered());

    // Off the GUI thread nothing is shown and the answers are the neutral ones.
    bool found = true;
    QString edited;
    std::thread worker([&] {
        found = PesquisaPadrao(&list, 0, 0, 0, 0, 0, 0, 0);
        edited = EditaTextoPadrao(0, QStringLiteral("texto"), 0, 0, 0);
    });
    worker.join();
    EXPECT_FALSE(found);
    EXPECT_EQ(edited, QStringLiteral("texto"));
}

TEST_F(SearchDialogs, SearchUsesTheColoursPassedAndLooksRight)
{
    WhenShown<TfrmPesquisa> steps([](TfrmPesquisa *d) {
        EXPECT_EQ(key(d, "btnConfirmar")->Color(), QColor(0x10, 0x20, 0x30));
        EXPECT_EQ(key(d, "btnSair")->FontColor(), QColor(255, 255, 0));
        saveGrab(d, QStringLiteral("searchdialog_pesquisa.png"));
        const QImage image = d->grab().toImage();
        EXPECT_EQ(image.pixelColor(0, 0), QColor(0, 128, 0)); // window frame: cor1
        EXPECT_EQ(image.pixelColor(363, 263), QColor(Qt::white)); // window field
        // The first row is highlighted like a key: cor3.
        const QPoint inRow = d->rows()->geometry().topLeft() + QPoint(300, TListaPesquisa::FrameWidth + 3);
        EXPECT_EQ(image.pixelColor(inRow), QColor(0x10, 0x20, 0x30));
        EXPECT_EQ(key(d, "btnSair")->DisabledColor(), QColor(200, 0, 0)); // cor2
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_FALSE(PesquisaPadrao(&list, 0, 0, 0x008000, 0x0000C8, 0x302010, 0x00FFFF, 0));
}

TEST(EditaTexto, CursorMovesAndTypingInsertsAtIt)
{
    WhenShown<TfrmEditaTexto> steps([](TfrmEditaTexto *d) {
        TAreaTexto *editor = d->editor();
        EXPECT_EQ(editor->cursorPosition(), 10);
        QTest::keyClick(d, Qt::Key_Left);
        QTest::keyClick(d, Qt::Key_Left);
        QTest::keyClick(d, Qt::Key_Left);
        typeText(d, QStringLiteral("ã"));
        EXPECT_EQ(d->text(), QStringLiteral("Sem cebãola"));
        QTest::keyClick(d, Qt::Key_Right);
        QTest::keyClick(d, Qt::Key_Backspace);
        EXPECT_EQ(d->text(), QStringLiteral("Sem cebãla"));
        QTest::keyClick(d, Qt::Key_Home);
        tapCharacter(d, 'X');
        QTest::keyClick(d, Qt::Key_End);
        QTest::keyClicks(d, QStringLiteral("!"));
        EXPECT_EQ(d->text(), QStringLiteral("XSem cebãla!"));
        QTest::keyClick(d, Qt::Key_Home);
        QTest::keyClick(d, Qt::Key_Delete);
        // A tap at the left edge of the text puts the cursor before the first letter.
        QTest::mouseClick(editor, Qt::LeftButton, {},
                          QPoint(TAreaTexto::FrameWidth + TAreaTexto::Padding, editor->cursorRect().center().y()));
        EXPECT_EQ(editor->cursorPosition(), 0);
        QTest::keyClick(d, Qt::Key_Right);
        EXPECT_EQ(editor->cursorPosition(), 1);
        // Characters Windows-1252 cannot hold, and control characters, are not typed.
        typeText(d, QStringLiteral("ł→"));
        QTest::keyClick(d, Qt::Key_Tab);
        // A plain Return adds nothing and does not close.
        QTest::keyClick(d, Qt::Key_Return);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(d->text(), QStringLiteral("Sem cebãla!"));
        QTest::keyClick(d, Qt::Key_Return, Qt::ControlModifier);
    });
    EXPECT_EQ(EditaTextoPadrao(0, QStringLiteral("Sem cebola"), 0, 0, 0), QStringLiteral("Sem cebãla!"));
}

// The desktop's chords (desktop switches, Ctrl+Alt+Delete, Super+letter) never edit,
// while Ctrl+Alt with a character still types it.
TEST(EditaTexto, DesktopChordsLeaveTheTextAlone)
{
    WhenShown<TfrmEditaTexto> steps([](TfrmEditaTexto *d) {
        const Qt::KeyboardModifiers ctrlAlt = Qt::ControlModifier | Qt::AltModifier;
        QTest::keyClick(d, Qt::Key_Home);
        QTest::keyClick(d, Qt::Key_Right, ctrlAlt);
        QTest::keyClick(d, Qt::Key_Delete, ctrlAlt);
        QTest::keyClick(d, Qt::Key_Right, Qt::MetaModifier);
        QTest::keyClick(d, Qt::Key_Backspace, ctrlAlt);
        QTest::keyClick(d, Qt::Key_D, Qt::MetaModifier);
        QTest::keyClick(d, Qt::Key_Return, Qt::ControlModifier);
    });
    EXPECT_EQ(EditaTextoPadrao(0, QStringLiteral("Sem cebola"), 0, 0, 0), QStringLiteral("Sem cebola"));

    WhenShown<TfrmEditaTexto> typed([](TfrmEditaTexto *d) {
        QTest::keyClick(d, Qt::Key_Home);
        QTest::keyClick(d, Qt::Key_Delete);
        QTest::keyClick(d, Qt::Key_D, Qt::MetaModifier);
        press(*d, Qt::Key_E, Qt::ControlModifier | Qt::AltModifier, QStringLiteral("€"));
        QTest::keyClick(d, Qt::Key_Return, Qt::ControlModifier);
    });
    EXPECT_EQ(EditaTextoPadrao(0, QStringLiteral("Sem cebola"), 0, 0, 0), QStringLiteral("€em cebola"));
}

TEST(EditaTexto, HomeEndAndUpDownFollowTheWrappedLines)
{
    const QString text = QStringLiteral("Sem cebola, sem tomate, sem alface, sem picles e com bastante molho "
                                        "especial da casa servido à parte em um pote pequeno");
    WhenShown<TfrmEditaTexto> steps([&text](TfrmEditaTexto *d) {
        TAreaTexto *editor = d->editor();
        ASSERT_GE(editor->lineCount(), 2);
        const int lastLine = editor->cursorLine();
        QTest::keyClick(d, Qt::Key_Home);
        const int lineStart = editor->cursorPosition();
        EXPECT_GT(lineStart, 0);
        EXPECT_EQ(text.at(lineStart - 1), QLatin1Char(' ')); // wrapped at a blank
        QTest::keyClick(d, Qt::Key_Up);
        EXPECT_EQ(editor->cursorLine(), lastLine - 1);
        QTest::keyClick(d, Qt::Key_End);
        EXPECT_EQ(editor->cursorLine(), lastLine - 1); // stays before the break
        QTest::keyClick(d, Qt::Key_Down);
        EXPECT_EQ(editor->cursorLine(), lastLine);
        QTest::keyClick(d, Qt::Key_Home, Qt::ControlModifier);
        EXPECT_EQ(editor->cursorPosition(), 0);
        QTest::keyClick(d, Qt::Key_End, Qt::ControlModifier);
        EXPECT_EQ(editor->cursorPosition(), text.size());
        saveGrab(d, QStringLiteral("searchdialog_editatexto.png"));
        tap(d, "btnSair");
    });
    EXPECT_EQ(EditaTextoPadrao(0, text, 0, 0, 0), text);
}

TEST(EditaTexto, ClearShiftAndOnScreenKeysThenConfirm)
{
    WhenShown<TfrmEditaTexto> steps([](TfrmEditaTexto *d) {
        tap(d, "btnLimpar");
        EXPECT_EQ(d->text(), QString());
        EXPECT_EQ(d->editor()->cursorPosition(), 0);
        tapCharacter(d, QChar(0xC0)); // À
        tap(d, "btnShift");
        tapCharacter(d, 'p');
        tapCharacter(d, QChar(0xE1)); // á
        tap(d, "btnEspaco");
        tapCharacter(d, '(');
        tapCharacter(d, '1');
        tapCharacter(d, ')');
        tap(d, "btnShift");
        tapCharacter(d, QChar(0xC7)); // Ç
        tap(d, "btnBackspace");
        tapCharacter(d, QChar(0xDC)); // Ü
        tap(d, "btnConfirmar");
    });
    EXPECT_EQ(EditaTextoPadrao(0, QStringLiteral("antigo"), 0, 0, 0), QStringLiteral("Àpá (1)Ü"));
}

TEST(EditaTexto, EscapeAndSairGiveBackTheOriginal)
{
    WhenShown<TfrmEditaTexto> escape([](TfrmEditaTexto *d) {
        tap(d, "btnLimpar");
        QTest::keyClicks(d, QStringLiteral("outro"));
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_EQ(EditaTextoPadrao(0, QStringLiteral(" Sem sal;"), 0, 0, 0), QStringLiteral(" Sem sal;"));

    WhenShown<TfrmEditaTexto> exit([](TfrmEditaTexto *d) {
        QTest::keyClicks(d, QStringLiteral("xyz"));
        tap(d, "btnSair");
    });
    EXPECT_EQ(EditaTextoPadrao(0, QString(), 0, 0, 0), QString());
}

TEST_F(SearchDialogs, DialogsNameTheCaptionOfTheWindowTheyAreShownOver)
{
    QDialog observation;
    observation.setWindowTitle(QStringLiteral("Observação"));
    observation.open(); // modal, as the observation dialog is while it calls them
    QString searchTitle, editorTitle;
    WhenShown<TfrmPesquisa> search([&](TfrmPesquisa *d) {
        searchTitle = d->windowTitle();
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_FALSE(PesquisaPadrao(&list, 0, 0, 0, 0, 0, 0, 0));
    WhenShown<TfrmEditaTexto> edit([&](TfrmEditaTexto *d) {
        editorTitle = d->windowTitle();
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EditaTextoPadrao(0, QString(), 0, 0, 0);
    observation.reject();
    EXPECT_EQ(searchTitle, QStringLiteral("Pesquisar Observação"));
    EXPECT_EQ(editorTitle, QStringLiteral("Editar Observação"));
}

TEST(SearchKeys, EveryKeyHasAnAccessibleNameAndNoneTakesFocus)
{
    TfrmEditaTexto editor(QStringLiteral("x"), SearchLook::fromRefs(0, 0, 0));
    TClientDataSet list;
    list.AddFieldDef({QStringLiteral("CDOCORR"), FieldType::String, 2});
    list.AddFieldDef({QStringLiteral("DSOCORR"), FieldType::String, 20});
    list.CreateDataSet();
    TfrmPesquisa search(&list, SearchLook::fromRefs(0, 0, 0, 0));
    for (QWidget *dialog : {static_cast<QWidget *>(&editor), static_cast<QWidget *>(&search)}) {
        const auto keys = dialog->findChildren<TBlendedButton *>();
        EXPECT_GT(keys.size(), 30);
        for (TBlendedButton *k : keys) {
            EXPECT_FALSE(k->accessibleName().isEmpty()) << k->objectName().toStdString();
            EXPECT_EQ(k->focusPolicy(), Qt::NoFocus) << k->objectName().toStdString();
        }
        for (const char *name : {"btnConfirmar", "btnSair", "btnLimpar"})
            EXPECT_NE(dialog->findChild<TBlendedButton *>(name), nullptr) << name;
    }
    // The editor holds every accented letter of Portuguese.
    for (const QChar c : QStringLiteral("ÁÉÍÓÚÂÊÔÃÕÀÇÜ.,;:-!?/()"))
        EXPECT_NE(editor.findChild<TBlendedButton *>(QStringLiteral("btnTecla%1").arg(c.unicode())), nullptr)
            << QString(c).toStdString();
}
