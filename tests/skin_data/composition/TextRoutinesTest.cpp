#include "skin/data/vnUtils/TextRoutines.h"

#include "ImageHelpers.h"

#include <QFont>
#include <QPainter>
#include <gtest/gtest.h>

using namespace vnutils;

namespace {

QFontMetrics Metrics()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    return QFontMetrics(font);
}

} // namespace

TEST(TextRoutines, TextThatFitsIsLeftAlone)
{
    const QFontMetrics m = Metrics();
    const QString text = QStringLiteral("Transferir Fotos");
    EXPECT_EQ(ShortenText(m, text, TextWidth(m, text)), text);
    EXPECT_EQ(ShortenText(m, text, 1000), text);
}

TEST(TextRoutines, WideTextKeepsTheLongestPrefixThatFitsWithTheEllipsis)
{
    const QFontMetrics m = Metrics();
    const QString text = QStringLiteral("Localizar Cliente do Estudio");
    for (int width = TextWidth(m, QStringLiteral("...")); width < TextWidth(m, text); width += 3) {
        const QString shortened = ShortenText(m, text, width);
        SCOPED_TRACE(width);
        ASSERT_TRUE(shortened.endsWith(QStringLiteral("...")));
        const QString kept = shortened.chopped(3);
        ASSERT_TRUE(text.startsWith(kept));
        EXPECT_LE(TextWidth(m, shortened), width);
        // One character more would not have fitted.
        EXPECT_GT(TextWidth(m, text.left(kept.size() + 1) + QStringLiteral("...")), width);
    }
}

TEST(TextRoutines, WhenNothingFitsOnlyTheEllipsisRemains)
{
    const QFontMetrics m = Metrics();
    EXPECT_EQ(ShortenText(m, QStringLiteral("Fotos escolhidas"), 2), QStringLiteral("..."));
}

TEST(TextRoutines, SurrogatePairsAreDroppedWhole)
{
    const QFontMetrics m = Metrics();
    const QString text = QStringLiteral("ab") + QString::fromUcs4(U"\U0001F600\U0001F600\U0001F600");
    const QString shortened = ShortenText(m, text, TextWidth(m, QStringLiteral("ab...")) + 1);
    const QString kept = shortened.chopped(3);
    EXPECT_FALSE(!kept.isEmpty() && kept.back().isHighSurrogate());
}

TEST(TextRoutines, LeftTextStartsTwoPixelsInAndIsClipped)
{
    QImage canvas = testimg::Filled(60, 20, qRgb(255, 255, 255));
    {
        QPainter painter(&canvas);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(13);
        painter.setFont(font);
        painter.setPen(Qt::black);
        DrawTextLeft(painter, QRect(10, 0, 20, 20), QStringLiteral("WWWWWWWW"), 3);
    }
    int firstInk = -1, lastInk = -1;
    for (int x = 0; x < 60; ++x)
        for (int y = 0; y < 20; ++y)
            if (canvas.pixel(x, y) != qRgb(255, 255, 255)) {
                if (firstInk < 0) firstInk = x;
                lastInk = x;
            }
    EXPECT_GE(firstInk, 15);
    EXPECT_LE(firstInk, 16);
    EXPECT_LE(lastInk, 29);
}
