#include "MenuEngine.h"

#include "PopupMenuWindow.h"

#include <QGuiApplication>
#include <QPropertyAnimation>
#include <QScreen>
#include <algorithm>

namespace vnmenus {

QRect WorkAreaAt(const QRect& rect)
{
    QScreen* screen = QGuiApplication::screenAt(rect.center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 640, 480);
}

TvnMenuEngine::TvnMenuEngine(QObject* parent)
    : QObject(parent)
{
}

TvnMenuEngine::~TvnMenuEngine()
{
    // Closing now would call back into a half-destroyed owner: the levels just go.
    OnClose = nullptr;
    delete m_root.data();
}

void TvnMenuEngine::Popup(
    TvnMenuItems items, const QRect& screenRect, const TvnSkinData* store, TvnPopupPlacement placement)
{
    CloseMenus();
    if (std::none_of(items.begin(), items.end(), [](const TvnMenuItem& i) { return i.Visible; })) return;
    m_items = std::move(items);
    TvnMenuLook look = ReadMenuLook(store);
    ApplyMenuSettings(look, m_settings);
    m_look = std::make_shared<const TvnMenuLook>(std::move(look));
    auto* root = new TvnPopupMenuWindow(*this, m_items, m_look, nullptr);
    root->move(PlaceMenu(root->size(), screenRect, WorkAreaAt(screenRect), placement));
    m_root = root;
    if (m_settings.AlphaBlendAnimation) FadeIn(root);
    root->show();
}

void TvnMenuEngine::FadeIn(TvnPopupMenuWindow* root) const
{
    // From clear up to the settled opacity, a step of 10 of 255 every 5 ms, on the event
    // loop so the menu takes keys while it appears.
    const double target = m_settings.Opacity();
    auto* fade = new QPropertyAnimation(root, "windowOpacity", root);
    fade->setStartValue(0.0);
    fade->setEndValue(target);
    fade->setDuration(std::max(1, static_cast<int>(target * 255 / 10) * 5));
    root->setWindowOpacity(0.0);
    fade->start(QAbstractAnimation::DeleteWhenStopped);
}

TvnPopupMenuWindow* TvnMenuEngine::ActiveMenu() const
{
    TvnPopupMenuWindow* level = m_root;
    while (level && level->SubMenu())
        level = level->SubMenu();
    return level;
}

bool TvnMenuEngine::KeyDown(int key, QChar ch)
{
    TvnPopupMenuWindow* level = ActiveMenu();
    return level && level->KeyDown(key, ch);
}

void TvnMenuEngine::CloseMenus() { Finish(); }

void TvnMenuEngine::Chosen(const TvnMenuItem& item)
{
    // The handler is copied out first: it may open the next menu, which replaces the
    // items, or destroy whatever owns this engine.
    const std::function<void()> handler = item.OnClick;
    Finish();
    if (handler) handler();
}

void TvnMenuEngine::LevelHidden(TvnPopupMenuWindow* level)
{
    if (level == m_root) Finish();
}

void TvnMenuEngine::Finish()
{
    if (!m_root) return;
    TvnPopupMenuWindow* root = m_root;
    m_root = nullptr; // first, so the hide below does not report a second time
    root->hide();
    root->deleteLater();
    events::Fire(OnClose, this);
}

} // namespace vnmenus
