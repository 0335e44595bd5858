#pragma once
// The controls the product's windows use, drawn from their records as the skinned
// controls draw them: each painter draws one control of its record at a rectangle of a
// painter that already shows the control's parent.
#include "SkinPaint.h"

#include <QStringList>

namespace sheet {

enum class TButtonState { Normal, Hot, Down, Focused, Disabled };
void PaintButton(QPainter& p, const TvnSkinData& skin, const TvnDataSkinButtonControl& r, const QRect& at,
    TButtonState state, const QString& caption);
// The glow layer a hot button shows over itself and its surroundings.
void PaintButtonGlow(
    QPainter& p, const TvnSkinData& skin, const TvnDataSkinButtonControl& r, const QRect& at);

enum class TCheck { Unchecked, Checked, Grayed };
struct TCheckLook {
    TCheck State = TCheck::Unchecked;
    bool Hot = false;
    bool Enabled = true;
};
// The flat look: the mark at the left and the caption after it, on the parent.
void PaintFlatCheck(QPainter& p, const TvnSkinData& skin, const TvnDataSkinCheckRadioControl& r,
    const QRect& at, const TCheckLook& look, const QString& caption);
// The framed look: the record's face with the mark in its mark area.
void PaintFramedCheck(QPainter& p, const TvnSkinData& skin, const TvnDataSkinCheckRadioControl& r,
    const QRect& at, const TCheckLook& look, const QString& caption);

// A panel or group box: its frame, client texture and, when the record has a caption
// rectangle, the caption.
void PaintPanel(QPainter& p, const TvnSkinData& skin, const TvnDataSkinPanelControl& r, const QRect& at,
    const QString& caption);
// Where the children of such a panel lie (its current client rectangle).
QRect PanelClient(const TvnDataSkinPanelControl& r, const QRect& at);

void PaintLabel(QPainter& p, const TvnSkinData& skin, const TvnDataSkinStdLabelControl& r, const QRect& at,
    const QString& text, bool enabled, int flags = Qt::AlignLeft | Qt::AlignVCenter);

enum class TFieldState { Normal, Active, Disabled };
enum class TFieldButton { Rest, Hot, Down, Disabled };
void PaintEdit(QPainter& p, const TvnSkinData& skin, const TvnDataSkinEditControl& r, const QRect& at,
    const QString& text, TFieldState state, TFieldButton button = TFieldButton::Rest);

// A scroll bar with its thumb at `position` (0..1); `hot` names a part under the mouse
// (0 none, 1 decreasing button, 2 increasing button, 3 thumb), `pressed` whether it is
// held down.
struct TBarLook {
    qreal Position = 0;
    int Hot = 0;
    bool Pressed = false;
};
void PaintScrollBar(QPainter& p, const TvnSkinData& skin, const TvnDataSkinScrollBarControl& r,
    const QRect& at, bool upright, const TBarLook& look);

// A grid of text rows under a title row: `selected` is the current row (-1 none),
// drawn with the focus cell while the grid has the focus.
void PaintGrid(QPainter& p, const TvnSkinData& skin, const TvnDataSkinGridControl& r, const QRect& at,
    const QStringList& titles, const QList<QStringList>& rows, int selected, bool focused);

// A page control: a row of tabs over the page's frame.
struct TTabsLook {
    int Active = 0;
    int Hot = -1;
    bool Focused = false;
};
void PaintTabs(QPainter& p, const TvnSkinData& skin, const TvnDataSkinTabControl& r, const QRect& at,
    const QStringList& tabs, const TTabsLook& look);

} // namespace sheet
