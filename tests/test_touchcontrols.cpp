// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// The touch keys' look: face and caption colours by state, the picture's background
// shown as the face, caption placement beside or below the picture, drawing at a
// device pixel ratio of 2, and kept renderings that follow every change.

#include "dialog/resources/Resources.h"
#include "host/controls/KeyRenderings.h"
#include "host/controls/TBlendedBitBtn.h"
#include "platform/Painting.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <functional>

using host::ButtonLayout;
using host::KeyLook;
using host::KeyRenderings;
using host::TBlendedBitBtn;
using host::TBlendedButton;
using platform::arial;

namespace {

const QColor kGray(128, 128, 128);
const QColor kSilver(192, 192, 192);
const QColor kLight(204, 204, 204);

QImage shot(QWidget &w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Renders at twice the device resolution, as on a screen scaled by 2.
QImage shotAt2x(QWidget &w)
{
    QImage img(w.size() * 2, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(2);
    img.fill(Qt::transparent);
    w.render(&img);
    return img.convertToFormat(QImage::Format_RGB32);
}

int countColour(const QImage &img, const QColor &c, const QRect &area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += img.pixelColor(x, y) == c;
    return n;
}

// A character key as the window makes it, with distinct colours for each state.
void setUpKey(TBlendedButton &key, const QString &caption)
{
    key.resize(60, 53);
    key.setText(caption);
    key.setFont(arial(24));
    key.SetColor(kGray);
    key.SetFontColor(Qt::white);
    key.SetDownColor(Qt::black);
    key.SetDownFontColor(QColor(255, 255, 0));
    key.SetDisabledColor(kLight);
    key.SetDisabledFontColor(kSilver);
}

TEST(TouchKey, FaceAndCaptionTakeTheColoursOfTheState)
{
    TBlendedButton key;
    setUpKey(key, QStringLiteral("W"));
    const QPoint faceProbe(8, 26); // left of the caption, inside the rounded face
    const QRect all = key.rect();

    QImage img = shot(key);
    EXPECT_EQ(img.pixelColor(faceProbe), kGray);
    EXPECT_GT(countColour(img, Qt::white, all), 20);

    key.setDown(true);
    img = shot(key);
    EXPECT_EQ(img.pixelColor(faceProbe), QColor(Qt::black));
    EXPECT_GT(countColour(img, QColor(255, 255, 0), all), 20);
    EXPECT_EQ(countColour(img, Qt::white, all), 0);

    key.setDown(false);
    key.setEnabled(false);
    img = shot(key);
    EXPECT_EQ(img.pixelColor(faceProbe), kLight);
    EXPECT_GT(countColour(img, kSilver, all), 20);
    EXPECT_EQ(countColour(img, Qt::white, all), 0);
    EXPECT_EQ(countColour(img, kGray, all), 0);
}

TEST(TouchKey, CornersAreRoundedAndEdgesStraight)
{
    TBlendedButton key;
    setUpKey(key, QString());
    const QImage img = shot(key);
    // The corner pixels lie outside the rounded face, the middle of each edge inside.
    for (QPoint corner : {QPoint(0, 0), QPoint(59, 0), QPoint(0, 52), QPoint(59, 52)})
        EXPECT_NE(img.pixelColor(corner), kGray);
    for (QPoint edge : {QPoint(0, 26), QPoint(59, 26), QPoint(30, 0), QPoint(30, 52)})
        EXPECT_EQ(img.pixelColor(edge), kGray);
}

TEST(TouchKey, LongCaptionIsElidedNotCut)
{
    TBlendedButton key;
    setUpKey(key, QStringLiteral("Backspace Backspace"));
    key.setFont(arial(15, true));
    const QImage img = shot(key);
    // Nothing of the caption touches the outer columns of the face.
    for (int y = 0; y < 53; ++y) {
        EXPECT_NE(img.pixelColor(1, y), QColor(Qt::white)) << y;
        EXPECT_NE(img.pixelColor(58, y), QColor(Qt::white)) << y;
    }
}

// ---- pictures ----

// A key like sbtSair or sbtPesquisa, with its picture from the resources.
void setUpPictureKey(TBlendedBitBtn &key, int picture, const QString &caption, QSize size, int px, bool bold = false)
{
    key.resize(size);
    key.setText(caption);
    key.setFont(arial(px, bold));
    key.SetColor(kGray);
    key.SetFontColor(Qt::white);
    key.SetDownColor(Qt::black);
    key.SetDownFontColor(Qt::white);
    key.SetDisabledColor(Qt::white);
    key.SetDisabledFontColor(kSilver);
    key.SetGlyph(resources::glyph(picture));
}

TEST(PictureKey, PictureBackgroundShowsTheFace)
{
    for (int picture : {resources::Corrigir, resources::Pesquisa, resources::Sair, resources::EditaDesc}) {
        SCOPED_TRACE(picture);
        const QImage glyph = resources::glyph(picture);
        TBlendedBitBtn key;
        setUpPictureKey(key, picture, QStringLiteral("Sair"), QSize(121, 53), 21);
        const QPoint at = key.placement().glyph.topLeft().toPoint();
        ASSERT_EQ(key.placement().glyph.size(), QSizeF(34, 34));

        for (bool down : {false, true}) {
            key.setDown(down);
            const QImage img = shot(key);
            const QColor face = down ? QColor(Qt::black) : kGray;
            int background = 0;
            int lines = 0;
            for (int y = 0; y < 34; ++y) {
                for (int x = 0; x < 34; ++x) {
                    const QRgb src = glyph.pixel(x, y);
                    const QColor got = img.pixelColor(at + QPoint(x, y));
                    if (src == glyph.pixel(0, 33)) {
                        EXPECT_EQ(got, face) << x << "," << y;
                        ++background;
                    } else if (src == 0xFFFFFFFFu) {
                        EXPECT_EQ(got, QColor(Qt::white)) << x << "," << y;
                        ++lines;
                    }
                }
            }
            EXPECT_GT(background, 300);
            EXPECT_GT(lines, 40);
        }
    }
}

TEST(PictureKey, DisabledPictureTakesTheDisabledCaptionColour)
{
    TBlendedBitBtn key;
    setUpPictureKey(key, resources::Corrigir, QStringLiteral("      Apagar"), QSize(182, 53), 21);
    key.SetSpacing(-5);
    key.setEnabled(false);
    const QImage img = shot(key);
    const QRect glyph = key.placement().glyph.toRect();
    // A white drawing on the white disabled face would vanish; it shows in silver.
    EXPECT_GT(countColour(img, kSilver, glyph), 40);
    EXPECT_EQ(img.pixelColor(glyph.topLeft() + QPoint(1, 1)), QColor(Qt::white));
}

TEST(PictureKey, BackgroundBecomesAlphaAndEdgesKeepTheirShare)
{
    QImage src(4, 1, QImage::Format_RGB32);
    src.setPixel(0, 0, qRgb(204, 204, 204)); // the background, taken from the bottom left
    src.setPixel(1, 0, qRgb(255, 255, 255)); // a line
    src.setPixel(2, 0, qRgb(230, 230, 230)); // an antialiased edge: half white
    src.setPixel(3, 0, qRgb(0, 0, 0)); // a dark mark
    const QImage out = TBlendedBitBtn::backgroundToAlpha(src);
    EXPECT_EQ(qAlpha(out.pixel(0, 0)), 0);
    EXPECT_EQ(out.pixel(1, 0), 0xFFFFFFFFu);
    EXPECT_NEAR(qAlpha(out.pixel(2, 0)), 130, 2);
    EXPECT_EQ(qRed(out.pixel(2, 0)), 255);
    EXPECT_EQ(out.pixel(3, 0), 0xFF000000u);

    // A reader that takes the BMP's zero fourth byte for alpha gives an all-clear
    // image; its colours still count.
    QImage clear = src.convertToFormat(QImage::Format_ARGB32);
    for (int x = 0; x < 4; ++x)
        clear.setPixel(x, 0, clear.pixel(x, 0) & 0x00FFFFFFu);
    EXPECT_EQ(TBlendedBitBtn::backgroundToAlpha(clear).pixel(1, 0), 0xFFFFFFFFu);

    // Real transparency is kept as it is.
    QImage icon(2, 1, QImage::Format_ARGB32);
    icon.setPixel(0, 0, qRgba(10, 20, 30, 255));
    icon.setPixel(1, 0, qRgba(10, 20, 30, 0));
    const QImage kept = TBlendedBitBtn::backgroundToAlpha(icon);
    EXPECT_EQ(kept.pixel(0, 0), qRgba(10, 20, 30, 255));
    EXPECT_EQ(qAlpha(kept.pixel(1, 0)), 0);
}

TEST(PictureKey, AntialiasedEdgesBlendIntoAPressedFace)
{
    // Picture 2 has a light ground; on a black face its antialiased edges must fade
    // to black rather than keep that light grey as a halo.
    TBlendedBitBtn key;
    setUpPictureKey(key, resources::Pesquisa, QString(), QSize(60, 53), 21);
    key.setDown(true);
    const QImage img = shot(key);
    const QImage glyph = resources::glyph(resources::Pesquisa);
    const QPoint at = key.placement().glyph.topLeft().toPoint();
    int edges = 0;
    for (int y = 0; y < 34; ++y)
        for (int x = 0; x < 34; ++x) {
            const int src = qRed(glyph.pixel(x, y));
            if (src <= 204 || src >= 255)
                continue;
            ++edges;
            const double share = (src - 204) / 51.0; // how much of the pixel is line
            EXPECT_NEAR(img.pixelColor(at + QPoint(x, y)).red(), 255 * share, 3) << x << "," << y;
        }
    EXPECT_GT(edges, 20);
}

// ---- caption placement ----

TEST(PictureKey, SearchCaptionBreaksIntoTwoLinesBesideThePicture)
{
    TBlendedBitBtn key;
    setUpPictureKey(key, resources::Pesquisa, QStringLiteral("    Pesquisar          Observação"), QSize(144, 38), 15,
                    true);
    key.SetSpacing(-5);
    const TBlendedBitBtn::Placement p = key.placement();
    EXPECT_EQ(p.lines, QStringList({QStringLiteral("Pesquisar"), QStringLiteral("Observação")}));
    const QRectF face(key.rect());
    EXPECT_TRUE(face.contains(p.glyph));
    EXPECT_TRUE(face.contains(p.text)) << p.text.x() << "," << p.text.y() << " " << p.text.width() << "x"
                                       << p.text.height();
    EXPECT_LT(p.glyph.left(), p.text.left());
    // The two lines are centred on each other and the second lies below the first.
    const QFontMetricsF fm(key.font());
    ASSERT_EQ(p.baselines.size(), 2);
    EXPECT_NEAR(p.baselines[0].x() + fm.horizontalAdvance(p.lines[0]) / 2,
                p.baselines[1].x() + fm.horizontalAdvance(p.lines[1]) / 2, 0.5);
    EXPECT_GT(p.baselines[1].y(), p.baselines[0].y());
    // Neither line reaches into the picture.
    EXPECT_GE(p.baselines[0].x(), p.glyph.right());
    EXPECT_GE(p.baselines[1].x(), p.glyph.right());
}

TEST(PictureKey, CaptionThatFitsKeepsItsLeadingBlanksOnOneLine)
{
    TBlendedBitBtn key;
    setUpPictureKey(key, resources::Corrigir, QStringLiteral("      Apagar"), QSize(182, 53), 21);
    key.SetSpacing(-5);
    const TBlendedBitBtn::Placement p = key.placement();
    ASSERT_EQ(p.lines, QStringList(QStringLiteral("      Apagar")));
    const QFontMetricsF fm(key.font());
    // Spacing -5 closes the caption up on the picture by 5 pixels.
    EXPECT_NEAR(p.text.left(), p.glyph.right() - 5, 0.01);
    // The blanks keep the word well clear of the picture.
    EXPECT_GT(p.text.left() + fm.horizontalAdvance(QStringLiteral("      ")), p.glyph.right() + 10);
    // Picture and caption are centred together on the key.
    EXPECT_NEAR(p.glyph.left() - key.rect().left(), key.width() - (p.text.right()), 1.0);
    EXPECT_TRUE(QRectF(key.rect()).contains(p.text));
}

TEST(PictureKey, NegativeSpacingNeverRunsLettersIntoThePicture)
{
    TBlendedBitBtn key;
    setUpPictureKey(key, resources::Sair, QStringLiteral("Sair"), QSize(121, 53), 21);
    key.SetSpacing(-5);
    EXPECT_GE(key.placement().text.left(), key.placement().glyph.right());
}

TEST(PictureKey, GlyphTopPutsThePictureAboveTheCaption)
{
    TBlendedBitBtn key;
    setUpPictureKey(key, resources::Sair, QStringLiteral("Enter"), QSize(90, 160), 21);
    key.SetLayout(ButtonLayout::GlyphTop);
    TBlendedBitBtn::Placement p = key.placement();
    EXPECT_LE(p.glyph.bottom(), p.text.top() + 0.01);
    EXPECT_NEAR(p.glyph.center().x(), 45, 0.5);
    EXPECT_NEAR(p.text.center().x(), 45, 0.5);
    EXPECT_NEAR((p.glyph.top() + p.text.bottom()) / 2, 80, 0.5);

    // Without a picture (sbtEnter) the caption sits in the middle of the key.
    key.SetGlyph(QImage());
    p = key.placement();
    EXPECT_TRUE(p.glyph.isEmpty());
    EXPECT_NEAR(p.text.center().y(), 80, 0.5);
    const QImage img = shot(key);
    int top = 160, bottom = -1;
    for (int y = 0; y < 160; ++y)
        if (countColour(img, Qt::white, QRect(0, y, 90, 1)) > 0) {
            top = std::min(top, y);
            bottom = y;
        }
    ASSERT_GE(bottom, top);
    EXPECT_NEAR((top + bottom) / 2.0, 80, 4);
}

// ---- device pixel ratio 2 ----

QRect whiteBounds(const QImage &img)
{
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) == 0xFFFFFFFFu)
                r |= QRect(x, y, 1, 1);
    return r;
}

TEST(PictureKey, DrawsAtTwiceTheResolutionOnAScaledScreen)
{
    TBlendedBitBtn key;
    setUpPictureKey(key, resources::Sair, QString(), QSize(60, 53), 21);
    const QRect one = whiteBounds(shot(key));
    const QImage img = shotAt2x(key);
    ASSERT_EQ(img.size(), QSize(120, 106));
    const QRect two = whiteBounds(img);
    ASSERT_FALSE(one.isEmpty());
    // The picture fills the same logical place, in twice the device pixels.
    EXPECT_NEAR(two.width(), 2 * one.width(), 3);
    EXPECT_NEAR(two.height(), 2 * one.height(), 3);
    EXPECT_NEAR(two.center().x(), 2 * one.center().x(), 2);
    EXPECT_EQ(img.pixelColor(4, 53), kGray);
    EXPECT_EQ(img.pixelColor(115, 53), kGray);
}

// Area covered by white caption ink on the grey face, antialiased pixels counting in part.
double inkArea(const QImage &img)
{
    double area = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            area += std::max(0, img.pixelColor(x, y).red() - 128) / 127.0;
    return area;
}

TEST(TouchKey, CaptionScalesWithTheDevice)
{
    TBlendedButton key;
    setUpKey(key, QStringLiteral("M"));
    const double one = inkArea(shot(key));
    const double two = inkArea(shotAt2x(key));
    ASSERT_GT(one, 20);
    // The same letter in four times the device pixels, not a blown-up small one.
    EXPECT_NEAR(two / one, 4.0, 0.4);
}

// ---- kept renderings ----

template<typename Key> struct LookChange
{
    const char *what;
    std::function<void(Key &)> before; // applied before the key is first drawn
    std::function<void(Key &)> change; // applied once it has been drawn
};

// Each change must show at once, exactly as a key made afresh with the final
// properties, and with no rendering kept from before, draws it.
template<typename Key>
void expectChangesShow(const std::function<void(Key &)> &setUp, const std::vector<LookChange<Key>> &changes)
{
    for (const LookChange<Key> &c : changes) {
        SCOPED_TRACE(c.what);
        Key key;
        setUp(key);
        if (c.before)
            c.before(key);
        const QImage drawn = shot(key);
        c.change(key);
        const QImage changed = shot(key);
        EXPECT_NE(changed, drawn);

        KeyRenderings::clear();
        Key fresh;
        setUp(fresh);
        if (c.before)
            c.before(fresh);
        c.change(fresh);
        EXPECT_EQ(changed, shot(fresh));
    }
}

TEST(KeptRendering, EveryChangeOfAKeyShowsAtOnce)
{
    using Change = LookChange<TBlendedButton>;
    const QColor green(0, 128, 0), red(255, 0, 0);
    expectChangesShow<TBlendedButton>(
        [](TBlendedButton &k) { setUpKey(k, QStringLiteral("W")); },
        {
            Change {"face", {}, [&](auto &k) { k.SetColor(green); }},
            Change {"caption colour", {}, [&](auto &k) { k.SetFontColor(red); }},
            Change {"caption", {}, [](auto &k) { k.setText(QStringLiteral("Q")); }},
            Change {"font", {}, [](auto &k) { k.setFont(arial(20, true)); }},
            Change {"size", {}, [](auto &k) { k.resize(90, 53); }},
            Change {"pressed", {}, [](auto &k) { k.setDown(true); }},
            Change {"released", [](auto &k) { k.setDown(true); }, [](auto &k) { k.setDown(false); }},
            Change {"pressed face", [](auto &k) { k.setDown(true); }, [&](auto &k) { k.SetDownColor(green); }},
            Change {"disabled", {}, [](auto &k) { k.setEnabled(false); }},
            Change {"disabled caption", [](auto &k) { k.setEnabled(false); },
                    [&](auto &k) { k.SetDisabledFontColor(red); }},
        });
}

TEST(KeptRendering, EveryChangeOfAPictureKeyShowsAtOnce)
{
    using Change = LookChange<TBlendedBitBtn>;
    // The same picture with a red block drawn over its corner.
    QImage edited = resources::glyph(resources::Sair);
    QPainter(&edited).fillRect(0, 0, 12, 12, Qt::red);
    expectChangesShow<TBlendedBitBtn>(
        [](TBlendedBitBtn &k) { setUpPictureKey(k, resources::Sair, QStringLiteral("Sair"), QSize(121, 53), 21); },
        {
            Change {"picture", {}, [](auto &k) { k.SetGlyph(resources::glyph(resources::Corrigir)); }},
            Change {"edited picture", {}, [&](auto &k) { k.SetGlyph(edited); }},
            Change {"no picture", {}, [](auto &k) { k.SetGlyph(QImage()); }},
            Change {"layout", {}, [](auto &k) { k.SetLayout(ButtonLayout::GlyphRight); }},
            Change {"spacing", {}, [](auto &k) { k.SetSpacing(20); }},
            Change {"disabled", {}, [](auto &k) { k.setEnabled(false); }},
        });
}

TEST(KeptRendering, KeyDrawnOnceAtOneRatioIsDrawnAfreshAtAnother)
{
    TBlendedButton key;
    setUpKey(key, QStringLiteral("M"));
    shot(key);
    const QImage two = shotAt2x(key);
    // A drawing made at ratio 1 and blown up fills every 2x2 block with one colour; a
    // caption drawn at ratio 2 has edges inside the blocks.
    int detailed = 0;
    for (int y = 0; y + 1 < two.height(); y += 2)
        for (int x = 0; x + 1 < two.width(); x += 2)
            detailed += two.pixel(x, y) != two.pixel(x + 1, y) || two.pixel(x, y) != two.pixel(x, y + 1);
    EXPECT_GT(detailed, 20);
}

TEST(KeptRendering, KeysAlikeButForTheirCaptionsShowTheirOwn)
{
    TBlendedButton one;
    TBlendedButton two;
    setUpKey(one, QStringLiteral("1"));
    setUpKey(two, QStringLiteral("2"));
    const QImage first = shot(one);
    EXPECT_NE(shot(two), first);
    EXPECT_EQ(shot(one), first);
}

TEST(KeptRendering, PictureLoadedTwiceDrawsTheSame)
{
    // The window loads its pictures afresh on every call.
    TBlendedBitBtn first;
    TBlendedBitBtn second;
    setUpPictureKey(first, resources::Pesquisa, QStringLiteral("Pesquisar"), QSize(144, 38), 15);
    setUpPictureKey(second, resources::Pesquisa, QStringLiteral("Pesquisar"), QSize(144, 38), 15);
    const QImage a = shot(first);
    KeyRenderings::clear();
    EXPECT_EQ(shot(second), a);
}

// A key whose look the test can ask for, as paintEvent does.
class OpenKey : public TBlendedButton
{
public:
    using TBlendedButton::look;
};

TEST(KeptRendering, LooksAreEqualOnlyWhenEverythingIsAndEqualLooksHashAlike)
{
    OpenKey key;
    setUpKey(key, QStringLiteral("W"));
    const KeyLook base = key.look(1, 1);
    // Built afresh, not copied: equal values, distinct objects.
    KeyLook same = base;
    same.font = arial(24);
    same.face = QColor(128, 128, 128);
    same.text = QStringLiteral("W");
    EXPECT_EQ(same, base);
    EXPECT_EQ(qHash(same, 7), qHash(base, 7));

    const std::vector<std::pair<const char *, std::function<void(KeyLook &)>>> changes {
        {"kind", [](KeyLook &l) { l.kind = &TBlendedBitBtn::staticMetaObject; }},
        {"size", [](KeyLook &l) { l.size.rwidth() += 1; }},
        {"ratio", [](KeyLook &l) { l.ratio = 1.25; }},
        {"device ratio", [](KeyLook &l) { l.deviceRatio = 2; }},
        {"phase", [](KeyLook &l) { l.phaseY = 32; }},
        {"resolution", [](KeyLook &l) { l.dpiX = 144; }},
        {"enabled", [](KeyLook &l) { l.enabled = false; }},
        {"down", [](KeyLook &l) { l.down = true; }},
        {"face", [](KeyLook &l) { l.face = Qt::black; }},
        {"caption colour", [](KeyLook &l) { l.caption = Qt::black; }},
        {"caption", [](KeyLook &l) { l.text = QStringLiteral("w"); }},
        {"bold", [](KeyLook &l) { l.font.setBold(true); }},
        {"letter spacing", [](KeyLook &l) { l.font.setLetterSpacing(QFont::AbsoluteSpacing, 1); }},
        {"direction", [](KeyLook &l) { l.direction = Qt::RightToLeft; }},
        {"picture", [](KeyLook &l) { l.glyph = 1; }},
        {"layout", [](KeyLook &l) { l.layout = 2; }},
        {"spacing", [](KeyLook &l) { l.spacing = -3; }},
    };
    for (const auto &[what, change] : changes) {
        SCOPED_TRACE(what);
        KeyLook other = base;
        change(other);
        EXPECT_NE(other, base);
    }
}

TEST(KeptRendering, KeysAlikeShareOneRenderingByTheirLook)
{
    KeyRenderings::clear();
    // Shown, as in a window: a hidden widget is sent its size again on every grab.
    OpenKey first;
    setUpKey(first, QStringLiteral("K"));
    first.show();
    const QImage drawn = shot(first);
    ASSERT_FALSE(KeyRenderings::find(first.look(1, 1)).isNull());

    // A marked rendering stands in for the shared one: a key alike shows it, the key that
    // drew it keeps its own.
    QImage marked(first.size(), QImage::Format_ARGB32_Premultiplied);
    marked.fill(Qt::red);
    KeyRenderings::insert(first.look(1, 1), QPixmap::fromImage(marked));
    OpenKey second;
    setUpKey(second, QStringLiteral("K"));
    second.show();
    EXPECT_EQ(shot(second).pixel(30, 26), QColor(Qt::red).rgb());
    EXPECT_EQ(shot(first), drawn);

    // A setter drops the kept rendering: setting a colour and back shows the shared one.
    first.SetColor(Qt::blue);
    first.SetColor(kGray);
    EXPECT_EQ(shot(first).pixel(30, 26), QColor(Qt::red).rgb());

    // Clearing what is shared leaves what a key keeps; a change of look draws afresh.
    KeyRenderings::clear();
    EXPECT_TRUE(KeyRenderings::find(first.look(1, 1)).isNull());
    EXPECT_EQ(shot(first).pixel(30, 26), QColor(Qt::red).rgb());
    first.setDown(true);
    shot(first);
    first.setDown(false);
    EXPECT_EQ(shot(first), drawn);
}

TEST(KeptRendering, EqualPicturesAreKeyedOutOnce)
{
    const QImage a = resources::glyph(resources::Pesquisa);
    const QImage b = resources::glyph(resources::Pesquisa);
    ASSERT_FALSE(a.isNull());
    const QImage keyed = KeyRenderings::keyedOut(a);
    EXPECT_EQ(keyed.cacheKey(), KeyRenderings::keyedOut(b).cacheKey());
    EXPECT_EQ(keyed, TBlendedBitBtn::backgroundToAlpha(a).convertToFormat(QImage::Format_ARGB32_Premultiplied));
    QImage edited = b;
    edited.setPixel(0, 0, qRgb(255, 0, 0));
    EXPECT_NE(KeyRenderings::keyedOut(edited).cacheKey(), keyed.cacheKey());
}

} // namespace
