#include "SkinCustomEdit.h"

#include "skin/data/vnSkinData/ControlSkins.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

using namespace vnctrls;

namespace {
constexpr int kInitialHeight = 20;
} // namespace

TvnSkinCustomEdit::TvnSkinCustomEdit(QObject* owner)
    : TvnCustomEdit(owner)
    , m_defaultFont(new TFont(this))
{
    KeepLooks({ &m_faces });
    SetParentFont(false);
    // The default font is made whole before the edit takes it: each step set on the
    // edit's own font had laid out its text again with a font used nowhere else.
    m_defaultFont->Assign(*Font());
    m_defaultFont->SetName(QStringLiteral("Arial"));
    m_defaultFont->SetHeight(14);
    m_defaultFont->SetColor(clr::clBlack);
    Font()->Assign(*m_defaultFont);
    connect(m_defaultFont, &TFont::Changed, this, [this] {
        if (!EditRecord()) Font()->Assign(*m_defaultFont);
    });
    SetSkinDataName(QStringLiteral("edit"));
    SetBorderStyle(bsNoBorder);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    SetBounds(Left(), Top(), Width(), kInitialHeight);
}

const TvnDataSkinEditControl* TvnSkinCustomEdit::EditRecord() const
{
    return Record<TvnDataSkinEditControl>();
}

void TvnSkinCustomEdit::SetDefaultColor(TColor color)
{
    m_defaultColor = color;
    if (!EditRecord()) Invalidate();
}

void TvnSkinCustomEdit::SetDefaultWidth(int width)
{
    m_defaultWidth = width;
    if (!EditRecord() && width > 0) SetWidth(width);
}

void TvnSkinCustomEdit::SetDefaultHeight(int height)
{
    m_defaultHeight = height;
    if (!EditRecord() && m_useSkinFont && height > 0)
        TvnCustomEdit::SetBounds(Left(), Top(), Width(), height);
    else
        SetBounds(Left(), Top(), Width(), Height());
}

void TvnSkinCustomEdit::SetUseSkinFont(bool use)
{
    m_useSkinFont = use;
    SkinChanged();
}

void TvnSkinCustomEdit::SetButtonMode(bool buttonMode)
{
    m_buttonMode = buttonMode;
    ApplyLook();
}

void TvnSkinCustomEdit::SetImages(TImageList* images)
{
    m_images = images;
    ApplyLook();
}

void TvnSkinCustomEdit::SetImageIndex(int& slot, int index)
{
    slot = index;
    ApplyLook();
}

void TvnSkinCustomEdit::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    SetBounds(Left(), Top(), Width(), Height());
}

TvnEditLayout TvnSkinCustomEdit::Layout() const
{
    const TImageList* list = m_images;
    const auto valid = [list](int i) { return list && i >= 0 && i < list->Count(); };
    return LayoutEdit(EditRecord(),
        { size(), m_buttonMode, list ? QSize(list->Width(), list->Height()) : QSize(),
            valid(m_imageIndexes.Left), valid(m_imageIndexes.Right) });
}

QRect TvnSkinCustomEdit::EditRect() const { return Layout().Edit; }

TvnEditSnapshot TvnSkinCustomEdit::TakeSnapshot() const
{
    TvnEditSnapshot s;
    s.Record = EditRecord();
    s.RecordIndex = SkinRecordIndex();
    if (s.Record) s.Picture = SkinData()->Picture(s.Record->PictureIndex);
    s.Size = size();
    s.Layout = Layout();
    s.State = m_state;
    s.State.Enabled = isEnabled();
    s.ButtonMode = m_buttonMode;
    s.DefaultColor = ToQColor(m_defaultColor);
    s.Images = m_imageIndexes;
    s.Images.List = m_images;
    return s;
}

void TvnSkinCustomEdit::PaintFace(QPainter& painter)
{
    ReadSkinRecord();
    const TvnEditSnapshot s = TakeSnapshot();
    QImage bitmap(s.Size, QImage::Format_RGB32);
    bitmap.fill(0);
    DrawEdit(bitmap, s, m_faces);
    painter.drawImage(0, 0, bitmap);
}

int TvnSkinCustomEdit::HeightFor(int requested) const
{
    const TvnDataSkinEditControl* record = EditRecord();
    if (!record && !m_useSkinFont && !m_autoSize) return requested;
    return EditHeight(record, m_useSkinFont, QFontMetrics(Font()->ToQFont()), requested);
}

void TvnSkinCustomEdit::SetBounds(int left, int top, int width, int height)
{
    ReadSkinRecord();
    TvnCustomEdit::SetBounds(left, top, width, HeightFor(height));
}

void TvnSkinCustomEdit::ApplySkinFont()
{
    const TvnDataSkinEditControl* record = EditRecord();
    if (record && m_useSkinFont) {
        TFont skinFont;
        skinFont.Assign(*Font());
        skinFont.SetName(record->FontName);
        skinFont.SetStyle(record->FontStyle);
        skinFont.SetHeight(record->FontHeight);
        Font()->Assign(skinFont);
    } else {
        Font()->Assign(*m_defaultFont);
    }
    ApplyTextColors();
}

void TvnSkinCustomEdit::ApplyTextColors()
{
    const TvnDataSkinEditControl* record = EditRecord();
    const TColor color
        = record ? (m_activeText ? record->ActiveFontColor : record->FontColor) : m_defaultFont->Color();
    m_applyingColors = true;
    Font()->SetColor(color);
    m_applyingColors = false;
    QPalette p = LineEdit()->palette();
    p.setColor(
        QPalette::Disabled, QPalette::Text, ToQColor(record ? record->DisabledFontColor : clr::clGrayText));
    LineEdit()->setPalette(p);
}

void TvnSkinCustomEdit::FontChanged()
{
    TvnCustomEdit::FontChanged();
    if (!m_applyingColors) ApplyTextColors();
}

void TvnSkinCustomEdit::SkinChanged()
{
    ReadSkinRecord();
    DropLooks();
    ApplySkinFont();
    int width = Width();
    int height = Height();
    if (!EditRecord()) {
        if (m_defaultWidth > 0) width = m_defaultWidth;
        if (m_defaultHeight > 0) height = m_defaultHeight;
    }
    SetBounds(Left(), Top(), width, height);
    ApplyLook();
    // A new skin starts from the focus alone.
    m_activeText = m_state.Focused;
    ApplyTextColors();
    Invalidate();
}

void TvnSkinCustomEdit::StateChanged()
{
    ApplyTextColors();
    Invalidate();
}

void TvnSkinCustomEdit::WndProc(TMessage& m)
{
    if (HandleBindingMessage(m, this)) return;
    if (m.Msg == msg::CM_MOUSEENTER || m.Msg == msg::CM_MOUSELEAVE) {
        m_state.Hot = m.Msg == msg::CM_MOUSEENTER;
        if (!m_state.Hot) m_state.ButtonHot = m_state.LeftHot = m_state.RightHot = false;
        if (!m_state.Focused) m_activeText = m_state.Hot;
        StateChanged();
    }
    TvnCustomEdit::WndProc(m);
}

bool TvnSkinCustomEdit::eventFilter(QObject* watched, QEvent* e)
{
    const bool done = TvnCustomEdit::eventFilter(watched, e);
    if (watched == LineEdit() && (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut)) {
        m_state.Focused = e->type() == QEvent::FocusIn;
        m_activeText = m_state.Focused;
        StateChanged();
    }
    return done;
}

void TvnSkinCustomEdit::SetHotParts(TvnEditHit hit)
{
    const TvnEditState before = m_state;
    m_state.ButtonHot = hit == TvnEditHit::Button;
    m_state.LeftHot = hit == TvnEditHit::LeftImage;
    m_state.RightHot = hit == TvnEditHit::RightImage;
    if (m_state.ButtonHot != before.ButtonHot || m_state.LeftHot != before.LeftHot
        || m_state.RightHot != before.RightHot)
        Invalidate();
}

void TvnSkinCustomEdit::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) return TvnCustomEdit::mousePressEvent(e);
    const TvnEditHit hit = HitTestEdit(Layout(), size(), e->position().toPoint());
    LineEdit()->setFocus(Qt::MouseFocusReason);
    m_state.ButtonDown = hit == TvnEditHit::Button;
    m_state.LeftDown = hit == TvnEditHit::LeftImage;
    m_state.RightDown = hit == TvnEditHit::RightImage;
    Invalidate();
}

void TvnSkinCustomEdit::mouseMoveEvent(QMouseEvent* e)
{
    SetHotParts(HitTestEdit(Layout(), size(), e->position().toPoint()));
}

void TvnSkinCustomEdit::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton) return TvnCustomEdit::mouseReleaseEvent(e);
    const TvnEditHit hit = HitTestEdit(Layout(), size(), e->position().toPoint());
    const TvnEditState was = m_state;
    m_state.ButtonDown = m_state.LeftDown = m_state.RightDown = false;
    Invalidate();
    // A click runs when the release lands on the part the press went down on.
    if (was.ButtonDown && hit == TvnEditHit::Button) events::Fire(OnButtonClick, this);
    if (was.LeftDown && hit == TvnEditHit::LeftImage) events::Fire(OnLeftButtonClick, this);
    if (was.RightDown && hit == TvnEditHit::RightImage) events::Fire(OnRightButtonClick, this);
}

void TvnSkinCustomEdit::changeEvent(QEvent* e)
{
    TvnCustomEdit::changeEvent(e);
    if (e->type() == QEvent::EnabledChange) Invalidate();
}
