// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// The default message box marks each kind visibly and keeps the text as given.
#include "host/search/Contrast.h"
#include "host/services/Mensagem.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QSet>
#include <QTimer>
#include <gtest/gtest.h>

using namespace host;

namespace {

struct Shown
{
    QImage image;
    QString text;
};

Shown showDefault(TTipoMsg kind, const QString &text)
{
    Shown shown;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!box) {
            ADD_FAILURE() << "no message box shown";
            return;
        }
        shown.image = box->grab().toImage();
        if (auto *label = box->findChild<QLabel *>(QStringLiteral("lblMensagem")))
            shown.text = label->text();
        box->accept();
    });
    MensagemPadrao({text, QString(), QStringLiteral("N"), QStringLiteral("N"), kind, QString(), QString(), 0, nullptr});
    return shown;
}

} // namespace

TEST(MessageBox, EachKindHasItsOwnMarkAndTheTextIsUnchanged)
{
    const QString text = QStringLiteral("Observação não cadastrado(a).");
    QSet<QRgb> marks;
    for (TTipoMsg kind : {tmPergunta, tmAviso, tmErro, tmInformacao}) {
        const Shown shown = showDefault(kind, text);
        ASSERT_FALSE(shown.image.isNull());
        EXPECT_EQ(shown.text, text);
        // The disc, left of its sign; the same place is white in a box without a mark.
        const QColor disc = shown.image.pixelColor(34, 88);
        EXPECT_NE(disc, QColor(Qt::white)) << int(kind);
        marks.insert(disc.rgb());
        // The OK key's caption reads on its face (the caption is the palest pixel).
        const QRect ok(180, 170, 160, 53);
        const QColor face = shown.image.pixelColor(ok.center().x(), ok.top() + 3);
        double caption = 1;
        for (int y = ok.top() + 8; y < ok.bottom() - 8; ++y)
            for (int x = ok.left() + 8; x < ok.right() - 8; ++x)
                caption = std::max(caption, contrast::ratio(face, shown.image.pixelColor(x, y)));
        EXPECT_GE(caption, contrast::TextMinimum);
        shown.image.save(QDir::temp().filePath(QStringLiteral("messagebox_%1.png").arg(int(kind))));
    }
    EXPECT_EQ(marks.size(), 4);
}
