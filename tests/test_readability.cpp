// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// Every caption of the search and editor keys reads at 4.5:1 on its face, and the
// chosen row stands out at 3:1, whatever colours a station sets: measured on grabs.
#include "support/DialogHarness.h"

#include "host/controls/TBlendedButton.h"
#include "host/data/TClientDataSet.h"
#include "host/search/Contrast.h"
#include "host/search/SearchLook.h"
#include "host/search/TListaPesquisa.h"
#include "host/search/TfrmEditaTexto.h"
#include "host/search/TfrmPesquisa.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace host;

namespace {

struct Station
{
    const char *name;
    int cor1, cor2, cor3, cor5;
};

// The bundled sample (the observation window's own palette), no parameter file, and
// extremes. 0 means "default", so black is written as the nearest non-zero value.
const Station kStations[] = {
    {"sample", 2907084, 13421772, 8421504, 16777215},
    {"none", 0, 0, 0, 0},
    {"all-white", 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF},
    {"all-black", 0x010101, 0x010101, 0x010101, 0x010101},
    {"white-on-yellow", 0x0000FF, 0x00FFFF, 0x00FFFF, 0xFFFFFF},
    {"navy-on-black", 0x800000, 0x000001, 0x000001, 0x800000},
    {"black-on-pale-yellow", 0x00C0FF, 0xE0E0E0, 0x80FFFF, 0x000001},
};

// The caption's contrast on a key as the grab shows it: the face is read just inside
// its top edge, the caption is the pixel that stands out most from it.
double captionContrast(const QImage &image, const QRect &key, QColor *faceOut = nullptr)
{
    const QColor face = image.pixelColor(key.center().x(), key.top() + 3);
    if (faceOut)
        *faceOut = face;
    double best = 1;
    const QRect inner = key.adjusted(6, 6, -6, -6);
    for (int y = inner.top(); y <= inner.bottom(); ++y)
        for (int x = inner.left(); x <= inner.right(); ++x)
            best = std::max(best, contrast::ratio(face, image.pixelColor(x, y)));
    return best;
}

void expectReadableKeys(QWidget *dialog, const char *station)
{
    const QImage image = dialog->grab().toImage();
    const auto keys = dialog->findChildren<TBlendedButton *>();
    ASSERT_GT(keys.size(), 10);
    for (TBlendedButton *key : keys) {
        if (!key->isEnabled())
            continue;
        const QRect r(key->mapTo(dialog, QPoint(0, 0)), key->size());
        EXPECT_GE(captionContrast(image, r), contrast::TextMinimum)
            << station << " " << key->objectName().toStdString();
    }
}

std::unique_ptr<TClientDataSet> makeList()
{
    auto list = std::make_unique<TClientDataSet>();
    list->AddFieldDef({QStringLiteral("CDOCORR"), FieldType::String, 2});
    list->AddFieldDef({QStringLiteral("DSOCORR"), FieldType::String, 40});
    list->CreateDataSet();
    list->AppendRecord({"01", "Sem cebola"});
    list->AppendRecord({"02", "Bem passado"});
    list->AppendRecord({"0A", "Sem sal"});
    list->AppendRecord({"AB", "Com açúcar à parte"});
    list->AppendRecord({"ÇX", "Servir na caçarola"});
    list->AppendRecord({"07", "Sem gelo"});
    list->First();
    return list;
}

} // namespace

TEST(Readability, SearchKeysAndChosenRowReadUnderEveryStationsColours)
{
    for (const Station &s : kStations) {
        auto list = makeList();
        TfrmPesquisa search(list.get(), SearchLook::fromRefs(s.cor1, s.cor2, s.cor3, s.cor5));
        search.setSubject(QStringLiteral("Observação"));
        expectReadableKeys(&search, s.name);
        const QImage whole = search.grab().toImage();
        EXPECT_GE(contrast::ratio(whole.pixelColor(0, 0), whole.pixelColor(5, 5)), contrast::PartMinimum) << s.name;

        // The chosen (first) row against the second, read left of the text; its text on it.
        const QImage rows = search.rows()->grab().toImage();
        const int x = TListaPesquisa::FrameWidth + 3;
        const int rowTop = TListaPesquisa::FrameWidth;
        const QColor chosen = rows.pixelColor(x, rowTop + TListaPesquisa::RowHeight / 2);
        const QColor other = rows.pixelColor(x, rowTop + TListaPesquisa::RowHeight * 3 / 2);
        EXPECT_GE(contrast::ratio(chosen, other), contrast::PartMinimum) << s.name;
        const QRect chosenRow(0, rowTop, search.rows()->width() - 20, TListaPesquisa::RowHeight);
        double text = 1;
        for (int yy = chosenRow.top() + 4; yy < chosenRow.bottom() - 4; ++yy)
            for (int xx = chosenRow.left() + 8; xx < chosenRow.right(); ++xx)
                text = std::max(text, contrast::ratio(chosen, rows.pixelColor(xx, yy)));
        EXPECT_GE(text, contrast::TextMinimum) << s.name;

        // Kept for a look: the README's pictures are the sample's.
        EXPECT_TRUE(
            search.grab().save(QDir::temp().filePath(QStringLiteral("readability_pesquisa_%1.png").arg(s.name))));
    }
}

TEST(Readability, EditorKeysReadUnderEveryStationsColours)
{
    for (const Station &s : kStations) {
        TfrmEditaTexto editor(QStringLiteral("Sem cebola; bem passado"), SearchLook::fromRefs(s.cor1, s.cor2, s.cor3));
        editor.setSubject(QStringLiteral("Observação"));
        expectReadableKeys(&editor, s.name);
        EXPECT_TRUE(
            editor.grab().save(QDir::temp().filePath(QStringLiteral("readability_editatexto_%1.png").arg(s.name))));
    }
}

TEST(Readability, SampleColoursGiveTheObservationWindowsLook)
{
    const SearchLook look = SearchLook::fromRefs(2907084, 13421772, 8421504, 16777215);
    EXPECT_EQ(look.frame, QColor(204, 91, 44)); // the orange-brown frame
    EXPECT_EQ(look.disabledFace, QColor(204, 204, 204)); // its disabled key
    EXPECT_EQ(look.caption, QColor(Qt::white)); // its captions
    // Its grey keys, only as much darker as white captions need.
    EXPECT_EQ(look.keyFace, QColor(118, 118, 118));
    EXPECT_EQ(look.keyFace, SearchLook::fromRefs(0, 0, 0, 0).keyFace);
    // A pair that already reads is kept as the station set it.
    const SearchLook dark = SearchLook::fromRefs(0, 0, 0x302010, 0x00FFFF);
    EXPECT_EQ(dark.keyFace, QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(dark.caption, QColor(255, 255, 0));
}

TEST(Readability, SearchWithNoResultsShowsItsRowKeysDisabled)
{
    auto list = makeList();
    const SearchLook look = SearchLook::fromRefs(2907084, 13421772, 8421504, 16777215);
    TfrmPesquisa search(list.get(), look);
    const QStringList rowKeys = {"btnConfirmar", "btnAcima", "btnAbaixo"};
    search.setSearchText(QStringLiteral("nada disso"));
    ASSERT_EQ(search.rows()->rowCount(), 0);
    const QImage image = search.grab().toImage();
    EXPECT_TRUE(image.save(QDir::temp().filePath(QStringLiteral("readability_pesquisa_vazia.png"))));
    for (const QString &name : rowKeys) {
        auto *key = search.findChild<TBlendedButton *>(name);
        ASSERT_NE(key, nullptr);
        EXPECT_FALSE(key->isEnabled()) << name.toStdString();
        QColor face;
        const double caption = captionContrast(image, QRect(key->mapTo(&search, QPoint(0, 0)), key->size()), &face);
        EXPECT_EQ(face, look.disabledFace) << name.toStdString(); // painted disabled
        EXPECT_GE(caption, 2.0) << name.toStdString(); // faded, yet there
    }
    EXPECT_TRUE(search.findChild<TBlendedButton *>(QStringLiteral("btnLimpar"))->isEnabled());
    search.setSearchText(QString());
    for (const QString &name : rowKeys)
        EXPECT_TRUE(search.findChild<TBlendedButton *>(name)->isEnabled()) << name.toStdString();
}

TEST(Readability, SpaceKeysAreLabelledAndTheDialogsNameWhatTheyServe)
{
    auto list = makeList();
    TfrmPesquisa search(list.get(), SearchLook());
    TfrmEditaTexto editor {QString(), SearchLook()};
    EXPECT_EQ(search.findChild<TBlendedButton *>(QStringLiteral("btnEspaco"))->text(), QStringLiteral("Espaço"));
    EXPECT_EQ(editor.findChild<TBlendedButton *>(QStringLiteral("btnEspaco"))->text(), QStringLiteral("Espaço"));

    // The subject is painted where the operator looks: the search field's label and the
    // editor's heading change with it.
    const QImage searchBefore = search.grab().toImage();
    const QImage editorBefore = editor.grab().toImage();
    search.setSubject(QStringLiteral("Observação"));
    editor.setSubject(QStringLiteral("Observação"));
    EXPECT_EQ(search.windowTitle(), QStringLiteral("Pesquisar Observação"));
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Editar Observação"));
    EXPECT_NE(search.grab().toImage().copy(0, 0, 726, 56), searchBefore.copy(0, 0, 726, 56));
    EXPECT_NE(editor.grab().toImage().copy(0, 0, 726, 40), editorBefore.copy(0, 0, 726, 40));
}

// The whole way, as a station runs it: the sample parameter file beside the program, the
// package's own search opened from the observation dialog over a host list that hides
// records with its own filter.
TEST(Readability, SampleFileBesideTheProgramGivesAReadableSearchAndTheHostKeepsItsFilter)
{
    DialogHarness h;
    host::Pesquisa = host::PesquisaPadrao; // the harness restores its fake's predecessor
    QFile sample(QStringLiteral(OBS_SOURCE_DIR "/samples/PARAMETROSLUM.CDS"));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    h.writeParameterFile(sample.readAll());

    auto list = makeList();
    const auto hostFilter = [](const TClientDataSet &, const QVariantList &record) {
        return record.at(0).toString() != QStringLiteral("02"); // the host hides "02"
    };
    list->OnFilterRecord = hostFilter;
    list->SetFiltered(true);

    QStringList offered;
    QString title;
    h.call(list.get(), QStringLiteral("Observação"), [&](dialog::TfrmObservacaoMod &f) {
        QTimer::singleShot(0, [&] {
            auto *search = qobject_cast<TfrmPesquisa *>(QApplication::activeModalWidget());
            if (!search) {
                ADD_FAILURE() << "the search is not shown";
                return;
            }
            title = search->windowTitle();
            for (const TListaPesquisa::Row &row : search->rows()->rows())
                offered << row.code;
            expectReadableKeys(search, "sample file");
            QTest::keyClick(search, Qt::Key_Return);
        });
        f.sbtPesquisa->click();
        f.sbtSair->click();
    });
    EXPECT_EQ(title, QStringLiteral("Pesquisar Observação"));
    EXPECT_EQ(offered, (QStringList {"01", "0A", "AB", "ÇX", "07"}));
    // The module switched filtering off; switching it on again gives the host's filter.
    EXPECT_FALSE(list->Filtered());
    list->SetFiltered(true);
    EXPECT_EQ(list->RecordCount(), 5);
    EXPECT_FALSE(list->Locate(QStringLiteral("CDOCORR"), QStringLiteral("02"), 0));
}
