#include "Button.h"

#include "framework/Form.h"
#include "platform/Keys.h"

#include <QPushButton>

TButton::TButton(QObject* owner)
    : TControl(owner)
    , m_button(new QPushButton(this))
{
    m_button->setAutoDefault(false);
    setFocusProxy(m_button);
    SetTabStop(true);
    connect(m_button, &QPushButton::clicked, this, [this] { Click(); });
}

QString TButton::Caption() const { return m_button->text(); }

void TButton::SetCaption(const QString& caption) { m_button->setText(caption); }

void TButton::Click()
{
    if (m_modalResult != mrNone)
        if (auto* form = qobject_cast<TForm*>(window())) form->SetModalResult(m_modalResult);
    events::Fire(OnClick, this);
}

void TButton::WndProc(TMessage& m)
{
    if (m.Msg == msg::CN_KEYDOWN && static_cast<int>(m.WParam) == vk::VK_RETURN && isEnabled()) {
        Click();
        m.Result = 1;
        return;
    }
    TControl::WndProc(m);
}

void TButton::resizeEvent(QResizeEvent* e)
{
    TControl::resizeEvent(e);
    m_button->setGeometry(rect());
}

void TButton::FontChanged() { m_button->setFont(font()); }
