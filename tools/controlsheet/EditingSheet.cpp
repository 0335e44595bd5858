#include "EditingSheet.h"

#include "SheetParts.h"
#include "framework/Form.h"
#include "framework/data/ClientDataSet.h"
#include "framework/data/DataSource.h"
#include "skin/controls/vnDBGrids/SkinDBGrid.h"
#include "skin/controls/vnSkinCtrls/ScrollBar.h"
#include "skin/controls/vnSkinCtrls/UpDown.h"
#include "skin/controls/vnSkinTabs/SkinPageControl.h"
#include "skin/controls/vnSkinTabs/SkinTabSheet.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <cstdio>

namespace {

bool ShowForm(TForm& form)
{
    form.Show();
    form.activateWindow();
    if (!QTest::qWaitForWindowExposed(&form)) return false;
    QTest::qWait(100);
    return true;
}

} // namespace

bool SaveTabScrollerSheet(const QString& folder, const QString& name, TvnSkinData* skin)
{
    TForm form;
    PrepareSheetForm(form, "Quira tab scroller", 420, 150, skin);
    auto* pages = new TvnSkinPageControl;
    pages->SetParent(form.ClientWidget());
    pages->SetBounds(8, 8, 300, 130);
    for (const char* caption :
        { "Ampliação (12)", "Bioombo", "Outros (3)", "Álbum", "Capa (1)", "Convites", "Painel" }) {
        auto* sheet = new TvnSkinTabSheet(pages);
        sheet->SetCaption(QString::fromUtf8(caption));
        sheet->SetPageControl(pages);
        SheetLabel(sheet, skin, 8, 8, QString::fromUtf8(caption));
    }
    if (skin) pages->SetSkinData(skin);
    SheetLabel(form.ClientWidget(), skin, 316, 12, "7 tabs in 300 px:");
    SheetLabel(form.ClientWidget(), skin, 316, 30, "the scroller at the");
    SheetLabel(form.ClientWidget(), skin, 316, 48, "row's end, scrolled");
    SheetLabel(form.ClientWidget(), skin, 316, 66, "on by one tab");
    if (!ShowForm(form)) return false;
    TvnSkinUpDown* scroller = pages->TabScroller();
    if (!scroller) {
        std::printf("no tab scroller in %s\n", qPrintable(name));
        return false;
    }
    // One click on the increasing button, the mouse left resting on it (hot).
    const QPoint at = scroller->ButtonRect(TvnSkinUpDown::kIncrease).center();
    for (auto type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseMove }) {
        QMouseEvent e(type, QPointF(at), scroller->mapToGlobal(QPointF(at)),
            type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(scroller, &e);
    }
    QTest::qWait(50);
    return SaveSheetPicture(form.ClientWidget(), folder, name);
}

bool SaveGridEditSheet(const QString& folder, const QString& name, TvnSkinData* skin)
{
    TForm form;
    PrepareSheetForm(form, "Quira grid editing", 470, 170, skin);
    auto* table = new TClientDataSet(&form);
    table->LoadData({ { "id_evento", db::ftInteger, 0 }, { "nome", db::ftString, 30, true },
                        { "celular", db::ftBoolean, 0 } },
        { { 101, QString::fromUtf8("Luíza Araújo"), true },
            { 102, QString::fromUtf8("Sebastião Magalhães"), true },
            { 103, QString::fromUtf8("Helena Simões"), false },
            { 104, QString::fromUtf8("André Conceição"), true },
            { 105, QString::fromUtf8("Cecília D'Ávila"), false },
            { 106, QString::fromUtf8("Márcia Teixeira"), true } });
    auto* source = new TDataSource(&form);
    source->SetDataSet(table);
    auto* grid = new TvnSkinDBGrid(&form);
    grid->SetParent(form.ClientWidget());
    grid->SetBounds(8, 8, 430, 150);
    auto* bar = new TvnSkinScrollBar(&form);
    bar->SetParent(form.ClientWidget());
    bar->SetKind(sbVertical);
    bar->SetBounds(438, 8, 19, 150);
    for (auto [field, width] : { std::pair { "id_evento", 70 }, { "nome", 220 }, { "celular", 70 } }) {
        auto* column = static_cast<TvnColumn*>(grid->Columns()->Add());
        column->SetFieldName(field);
        column->SetWidth(width);
    }
    grid->SetDataSource(source);
    grid->SetVScrollBar(bar);
    if (skin) {
        grid->SetSkinData(skin);
        bar->SetSkinData(skin);
    }
    if (!ShowForm(form)) return false;
    grid->setFocus();
    table->SetRecNo(3);
    grid->SetCol(2);
    // Typing on the cell opens the editor with the typed text: the record is being edited.
    QTest::keyClicks(grid, "Helena S");
    if (TDBGridInplaceEdit* editor = grid->InplaceEditor()) {
        editor->SetText(QString::fromUtf8("Helena Simões Rocha"));
        editor->LineEdit()->end(false);
    }
    QTest::qWait(100);
    return SaveSheetPicture(form.ClientWidget(), folder, name);
}
