#include "Panel.h"

#include "framework/StoreChanged.h"
#include "skin/data/vnUtils/SkinRect.h"

#include <QMouseEvent>

using vnctrls::TvnResizeMode;

TvnSkinPanel::TvnSkinPanel(QObject* owner)
    : TvnSkinCustomControl(owner)
{
    KeepLooks({ &m_lineTextColor });
    SetSkinDataName(QStringLiteral("panel"));
    SetForceBackground(true);
    SetBounds(0, 0, 150, 150);
}

TvnSkinGroupBox::TvnSkinGroupBox(QObject* owner)
    : TvnSkinPanel(owner)
{
    SetSkinDataName(QStringLiteral("groupbox"));
    SetCaptionMode(true);
}

// ---- Properties ---------------------------------------------------------------------------

void TvnSkinPanel::RepaintAndRealign()
{
    Invalidate();
    AlignControls();
}

void TvnSkinPanel::SetCaptionMode(bool mode)
{
    m_captionMode = mode;
    RepaintAndRealign();
}

void TvnSkinPanel::SetDefaultCaptionHeight(int height)
{
    m_defaultCaptionHeight = height;
    if (SkinRecordIndex() == -1 && m_captionMode) RepaintAndRealign();
}

void TvnSkinPanel::SetDefaultAlignment(TAlignment alignment)
{
    m_defaultAlignment = alignment;
    if (SkinRecordIndex() == -1 && m_captionMode) Invalidate();
}

void TvnSkinPanel::SetBorderStyle(TvnSkinBorderStyle style)
{
    m_borderStyle = style;
    if (SkinRecordIndex() == -1) RepaintAndRealign();
}

void TvnSkinPanel::SetTransparentMode(bool transparent)
{
    if (transparent == m_transparentMode) return;
    m_transparentMode = transparent;
    Invalidate();
    if (!IsLoading()) NotifyChildrenBackground();
}

void TvnSkinPanel::SetImagePosition(TvnImagePosition position)
{
    if (StoreChanged(m_imagePosition, position)) Invalidate();
}

void TvnSkinPanel::SetGlyph(const QImage& glyph)
{
    if (StoreChanged(m_glyph, glyph)) Invalidate();
}

void TvnSkinPanel::SetNumGlyphs(int count)
{
    m_numGlyphs = std::max(1, count);
    Invalidate();
}

void TvnSkinPanel::SetSpacing(int spacing)
{
    if (StoreChanged(m_spacing, spacing)) Invalidate();
}

void TvnSkinPanel::SetCaptionImageList(TImageList* list)
{
    if (StoreChanged(m_captionImageList, list)) Invalidate();
}

void TvnSkinPanel::SetCaptionImageIndex(int index)
{
    if (StoreChanged(m_captionImageIndex, index)) Invalidate();
}

void TvnSkinPanel::SetCheckedMode(bool mode)
{
    if (StoreChanged(m_checkedMode, mode)) Invalidate();
}

void TvnSkinPanel::SetChecked(bool checked)
{
    m_checked = checked;
    if (m_checkedMode) Invalidate();
    if (m_checkedMode && m_autoEnabledControls)
        for (QObject* child : children())
            if (auto* control = qobject_cast<TControl*>(child)) control->SetEnabled(checked);
    events::Fire(OnChecked, this);
}

void TvnSkinPanel::SetRollUpMode(bool mode)
{
    m_rollUpMode = mode;
    if (SkinRecordIndex() == -1 && m_captionMode) Invalidate();
}

void TvnSkinPanel::CaptionChanged()
{
    if (m_captionMode) Invalidate();
}

// ---- Rolling up ---------------------------------------------------------------------------

void TvnSkinPanel::SetChildrenVisible(bool visible)
{
    if (!visible) {
        m_hiddenChildren.clear();
        for (QObject* child : children()) {
            auto* widget = qobject_cast<TControl*>(child);
            if (!widget || widget->isHidden()) continue;
            m_hiddenChildren.append(widget);
            widget->hide();
        }
        return;
    }
    for (const QPointer<QWidget>& widget : m_hiddenChildren)
        if (widget) widget->show();
    m_hiddenChildren.clear();
    AlignControls();
}

void TvnSkinPanel::SetRollUpState(bool rolledUp)
{
    if (rolledUp == m_rollUpState) return;
    if (!m_rollUpMode) {
        if (m_limitsSaved) {
            setMinimumSize(m_savedMinimum);
            setMaximumSize(m_savedMaximum);
            m_limitsSaved = false;
        }
        m_rollUpState = false;
        return;
    }
    if (rolledUp && !m_limitsSaved) {
        // The limits would keep the panel from shrinking to its caption.
        m_savedMinimum = minimumSize();
        m_savedMaximum = maximumSize();
        m_limitsSaved = true;
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    m_rollUpState = rolledUp;
    if (rolledUp && m_realHeight == -1) {
        m_realHeight = Height();
        SetChildrenVisible(false);
        ReadSkinRecord();
        const int rolled = SkinRecordIndex() == -1 ? m_defaultCaptionHeight + 1
                                                   : Height() - CurrentGeometry().ClientRect.height();
        SetHeight(rolled);
    } else if (!rolledUp && m_realHeight != -1) {
        const int height = m_realHeight;
        m_realHeight = -1;
        SetHeight(height);
        SetChildrenVisible(true);
    }
    if (!rolledUp && m_limitsSaved) {
        setMinimumSize(m_savedMinimum);
        setMaximumSize(m_savedMaximum);
        m_limitsSaved = false;
    }
    events::Fire(OnChangeRollUpState, this);
}

QRect TvnSkinPanel::CaptionHitRect()
{
    ReadSkinRecord();
    if (SkinRecordIndex() == -1) return vnutils::RectLTRB(1, 1, Width() - 1, m_defaultCaptionHeight);
    const vnctrls::TvnPanelCaption c = TakeCaption(Record<TvnDataSkinPanelControl>());
    if (m_transparentMode && m_captionMode) {
        const vnctrls::TvnCaptionLineLayout line = vnctrls::LayoutCaptionLine(c);
        return line.Line.united(line.Arrow);
    }
    const vnctrls::TvnSkinnedCaptionLayout caption = vnctrls::LayoutSkinnedCaption(c);
    return caption.Area.united(caption.Arrow);
}

void TvnSkinPanel::mouseReleaseEvent(QMouseEvent* e)
{
    TvnSkinCustomControl::mouseReleaseEvent(e);
    if (e->button() != Qt::LeftButton || !m_captionMode || !(m_rollUpMode || m_checkedMode)) return;
    if (!CaptionHitRect().contains(e->position().toPoint())) return;
    e->accept();
    if (m_checkedMode) SetChecked(!m_checked);
    if (m_rollUpMode) SetRollUpState(!m_rollUpState);
}

// ---- Sizing and messages --------------------------------------------------------------------

void TvnSkinPanel::SetBounds(int left, int top, int width, int height)
{
    TvnSkinCustomControl::SetBounds(left, top, width, height);
    if (SkinRecordIndex() == -1) Invalidate();
}

void TvnSkinPanel::SkinChanged()
{
    TvnSkinCustomControl::SkinChanged();
    if (m_rollUpState && m_realHeight != -1) {
        // The caption's height comes from the new skin; the height to unroll to stays.
        const int rolled = SkinRecordIndex() == -1 ? m_defaultCaptionHeight + 1
                                                   : Height() - CurrentGeometry().ClientRect.height();
        SetHeight(rolled);
    } else {
        AlignControls();
    }
}

void TvnSkinPanel::AdjustClientRect(QRect& rect)
{
    ReadSkinRecord();
    if (SkinRecordIndex() == -1) {
        if (m_borderStyle != bvNone) rect.adjust(1, 1, -1, -1);
        if (m_captionMode) rect.setTop(rect.top() + m_defaultCaptionHeight);
        return;
    }
    const auto* record = Record<TvnDataSkinPanelControl>();
    if (record && record->BGPictureIndex != -1) return;
    if (m_borderStyle == bvNone && !m_captionMode && ResizeMode() == TvnResizeMode::Both) return;
    rect = CurrentGeometry().ClientRect;
}

void TvnSkinPanel::ParentBackgroundChanged()
{
    if (!m_transparentMode) return;
    Invalidate();
    NotifyChildrenBackground();
}

void TvnSkinPanel::moveEvent(QMoveEvent* e)
{
    TvnSkinCustomControl::moveEvent(e);
    if (!m_transparentMode) return;
    Invalidate();
    NotifyChildrenBackground();
    if (parentWidget()) parentWidget()->update();
}
