// The photo grid in the studio skin: 300 chosen photos scrolled to the middle, the current
// row drawn with the skin's selected-cell face and its text in the select colour, the
// vertical bar beside it at the record's position. With QUIRA_SHOT_DIR set the test also
// saves what it shows there.
#include "StudioSkinFixture.h"
#include "framework/Form.h"
#include "framework/data/ClientDataSet.h"
#include "framework/data/DataSource.h"
#include "skin/controls/vnDBGrids/SkinDBGrid.h"
#include "skin/data/vnSkinData/ControlSkins.h"
#include "skin/data/vnUtils/SkinRect.h"
#include "support/TestEnv.h"

#include <QDir>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace studiotest;

TEST(StudioGrid, ThreeHundredPhotosScrolledToTheMiddle)
{
    TvnSkinData* skin = ProgramDataModule().vnSkinData1;
    const auto& record = RecordNamed<TvnDataSkinGridControl>("grid");
    TForm form;
    form.SetBounds(60, 60, 420, 130);
    form.SetColor(skin->SkinColors.cBtnFace);
    auto* table = new TClientDataSet(&form);
    auto* source = new TDataSource(&form);
    auto* grid = new TvnSkinDBGrid(&form);
    auto* bar = new TvnSkinScrollBar(&form);
    grid->SetParent(form.ClientWidget());
    bar->SetParent(form.ClientWidget());
    grid->SetBounds(0, 0, 407, 113);
    bar->SetKind(sbVertical);
    bar->SetSkinDataName("vscrollbar");
    bar->SetBounds(387, -1, 19, 114);
    grid->SetOptions(dgTabs | dgRowSelect | dgAlwaysShowSelection | dgConfirmDelete | dgCancelOnExit);
    grid->SetDefaultRowHeight(17);
    grid->SetVScrollBar(bar);
    grid->SetSkinData(skin);
    bar->SetSkinData(skin);
    QList<TRow> rows;
    for (int i = 1; i <= 300; ++i)
        rows.append(TRow { QStringLiteral("Casamento_%1.jpg").arg(i, 4, 10, QLatin1Char('0')), 7000 + i });
    auto* width = static_cast<TFieldSetting*>(table->FieldSettings()->Add());
    width->SetFieldName("nome_foto");
    width->SetDisplayWidth(29);
    table->LoadData({ { "nome_foto", db::ftString, 50 }, { "id_foto_escolhida", db::ftInteger, 0 } }, rows);
    source->SetDataSet(table);
    grid->SetDataSource(source);
    table->SetRecNo(150);
    // The row above the last one on screen: the window stays, the current row moves.
    table->Prior();

    ASSERT_NE(grid->GridRecord(), nullptr);
    EXPECT_EQ(grid->DefaultRowHeight(), record.SelectCellRect.height());
    ASSERT_TRUE(bar->Visible());
    EXPECT_EQ(bar->Position(), 149);
    EXPECT_EQ(bar->PageSize(), 6);

    form.Show();
    bar->raise();
    const QImage shot = form.ClientWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    testenv::KeepPicture(form.ClientWidget(), "photo_grid_300");

    const QImage picture = skin->Picture(record.PictureIndex);
    const QRect current = grid->CellRect(0, grid->Row());
    const QRect plain = grid->CellRect(0, 0);
    ASSERT_EQ(grid->Row(), 4);
    // The select face's tiled middle shows right of the text, at the face's own rows.
    const int x = current.x() + current.width() - record.CellRightOffset - 2;
    for (int dy : { 1, current.height() / 2, current.height() - 2 }) {
        const QPoint from(record.SelectCellRect.x() + record.CellLeftOffset, record.SelectCellRect.y() + dy);
        EXPECT_EQ(shot.pixel(x, current.y() + dy), picture.pixel(from)) << dy;
    }
    EXPECT_EQ(shot.pixel(x, plain.y() + plain.height() / 2), ToQColor(record.BGColor).rgb());
    // The current row's text in the select colour, the others' in the cell colour (near
    // it: the small skin font is mostly smoothed edges).
    auto count = [&](const QRect& r, TColor color) {
        const QColor want = ToQColor(color);
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int xx = r.left(); xx < r.left() + 120; ++xx) {
                const QColor got(shot.pixel(xx, y));
                n += std::abs(got.red() - want.red()) + std::abs(got.green() - want.green())
                        + std::abs(got.blue() - want.blue())
                    < 48;
            }
        return n;
    };
    EXPECT_GT(count(current, record.SelectFontColor), 20);
    EXPECT_GT(count(plain, record.FontColor), 20);
}

TEST(StudioGrid, TitlesAndIndicatorDrawFromTheFixedFace)
{
    TvnSkinData* skin = ProgramDataModule().vnSkinData1;
    const auto& record = RecordNamed<TvnDataSkinGridControl>("grid");
    TForm form;
    form.SetBounds(60, 60, 420, 130);
    auto* table = new TClientDataSet(&form);
    auto* source = new TDataSource(&form);
    auto* grid = new TvnSkinDBGrid(&form);
    grid->SetParent(form.ClientWidget());
    grid->SetBounds(0, 0, 407, 113);
    grid->SetSkinData(skin);
    QList<TRow> rows;
    for (int i = 1; i <= 20; ++i)
        rows.append(TRow { QStringLiteral("Capa_%1.jpg").arg(i), 9000 + i });
    table->LoadData({ { "nome_foto", db::ftString, 20 }, { "id_foto_escolhida", db::ftInteger, 0 } }, rows);
    source->SetDataSet(table);
    grid->SetDataSource(source);
    table->SetRecNo(3);
    form.Show();
    grid->setFocus();
    const QImage shot = form.ClientWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    testenv::KeepPicture(form.ClientWidget(), "photo_grid_titles");
    // Default options: titles, indicator, lines. The title cell shows the fixed face.
    ASSERT_EQ(grid->FixedRows(), 1);
    ASSERT_EQ(grid->FixedCols(), 1);
    const QRect title = grid->CellRect(1, 0);
    const QImage picture = skin->Picture(record.PictureIndex);
    const int x = title.x() + title.width() - record.FixedCellRightOffset / 2;
    EXPECT_EQ(shot.pixel(x, title.y() + 2),
        picture.pixel(vnutils::RectRight(record.FixedCellRect) - record.FixedCellRightOffset / 2,
            record.FixedCellRect.y() + 2));
    // The indicator cell of the current record holds the arrow picture (black, its white
    // left out) over the fixed face.
    const QRect mark = grid->CellRect(0, grid->Row());
    int arrow = 0, white = 0;
    for (int y = mark.top(); y <= mark.bottom(); ++y)
        for (int xx = mark.left(); xx <= mark.right(); ++xx) {
            arrow += shot.pixel(xx, y) == qRgb(0, 0, 0);
            white += shot.pixel(xx, y) == qRgb(255, 255, 255);
        }
    EXPECT_GT(arrow, 10);
    EXPECT_EQ(white, 0);
}
