#include "TabSheet.h"

#include "PageControl.h"
#include "framework/StoreChanged.h"

TTabSheet::TTabSheet(QObject* owner)
    : TControl(owner)
{
    SetAlign(alClient);
}

void TTabSheet::SetCaption(const QString& caption)
{
    if (StoreChanged(m_caption, caption)) Changed();
}

void TTabSheet::SetTabVisible(bool visible)
{
    if (StoreChanged(m_tabVisible, visible)) Changed();
}

void TTabSheet::SetImageIndex(int index)
{
    if (StoreChanged(m_imageIndex, index)) Changed();
}

TPageControl* TTabSheet::PageControl() const { return qobject_cast<TPageControl*>(parentWidget()); }

void TTabSheet::SetPageControl(TPageControl* control) { SetParent(control); }

int TTabSheet::PageIndex() const
{
    TPageControl* control = PageControl();
    return control ? control->IndexOfPage(this) : -1;
}

void TTabSheet::SetPageIndex(int index)
{
    if (TPageControl* control = PageControl()) control->MovePage(this, index);
}

int TTabSheet::TabIndex() const
{
    TPageControl* control = PageControl();
    return control ? control->TabIndexOfPage(this) : -1;
}

void TTabSheet::Changed()
{
    if (TPageControl* control = PageControl()) control->TabsChanged();
}
