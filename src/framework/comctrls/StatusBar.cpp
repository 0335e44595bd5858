#include "StatusBar.h"

#include "framework/StoreChanged.h"

#include <QEvent>
#include <QPainter>
#include <QSizeGrip>
#include <QStyle>
#include <QStyleOption>

namespace {

constexpr int kDefaultHeight = 19;
// Room between a panel's edge and its text.
constexpr int kTextMargin = 3;

} // namespace

TStatusBar::TStatusBar(QObject* owner)
    : TControl(owner)
{
    SetAlign(fw::alBottom);
    SetHeight(kDefaultHeight);
    m_grip = new QSizeGrip(this);
    PlaceGrip();
}

void TStatusBar::SetSizeGrip(bool on)
{
    if (!StoreChanged(m_sizeGrip, on)) return;
    PlaceGrip();
    update();
}

void TStatusBar::SetSimplePanel(bool simple)
{
    if (StoreChanged(m_simplePanel, simple)) update();
}

void TStatusBar::SetSimpleText(const QString& text)
{
    if (StoreChanged(m_simpleText, text)) update();
}

void TStatusBar::SetPanels(std::vector<TStatusPanel> panels)
{
    m_panels = std::move(panels);
    update();
}

void TStatusBar::SetPanelText(int index, const QString& text)
{
    if (index < 0 || index >= int(m_panels.size())) return;
    m_panels[index].Text = text;
    update();
}

void TStatusBar::resizeEvent(QResizeEvent* e)
{
    TControl::resizeEvent(e);
    PlaceGrip();
}

bool TStatusBar::event(QEvent* e)
{
    if (e->type() == QEvent::ParentChange) {
        if (m_watchedParent) m_watchedParent->removeEventFilter(this);
        m_watchedParent = qobject_cast<TControl*>(parentWidget()) ? nullptr : parentWidget();
        if (m_watchedParent) m_watchedParent->installEventFilter(this);
        FollowParent();
    }
    return TControl::event(e);
}

bool TStatusBar::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == m_watchedParent && e->type() == QEvent::Resize) FollowParent();
    return TControl::eventFilter(watched, e);
}

void TStatusBar::FollowParent()
{
    if (!m_watchedParent || Align() != fw::alBottom) return;
    SetBounds(0, m_watchedParent->height() - Height(), m_watchedParent->width(), Height());
}

void TStatusBar::PlaceGrip()
{
    if (!m_grip) return;
    const QSize size = m_grip->sizeHint();
    m_grip->setGeometry(width() - size.width(), height() - size.height(), size.width(), size.height());
    m_grip->setVisible(m_sizeGrip);
}

void TStatusBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    // The grip's corner belongs to no panel.
    const int right = m_sizeGrip && m_grip ? m_grip->x() : width();
    std::vector<std::pair<QRect, QString>> panels;
    if (m_simplePanel || m_panels.empty()) {
        panels.emplace_back(QRect(0, 0, right, height()), m_simpleText);
    } else {
        int x = 0;
        for (std::size_t i = 0; i < m_panels.size(); ++i) {
            const bool last = i + 1 == m_panels.size();
            const int w = last ? std::max(0, right - x) : m_panels[i].Width;
            panels.emplace_back(QRect(x, 0, w, height()), m_panels[i].Text);
            x += w;
        }
    }
    QStyleOption option;
    option.initFrom(this);
    for (const auto& [r, text] : panels) {
        option.rect = r.adjusted(0, 1, -1, 0);
        style()->drawPrimitive(QStyle::PE_FrameStatusBarItem, &option, &p, this);
        style()->drawItemText(&p, r.adjusted(kTextMargin, 0, -kTextMargin, 0),
            Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, palette(), isEnabled(), text,
            QPalette::WindowText);
    }
}
