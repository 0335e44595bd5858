#pragma once
// One page of a page control: a container for controls with a caption for its tab. It
// belongs to the page control that is its parent; only the active page shows.
#include "framework/Control.h"

class TPageControl;

class TTabSheet : public TControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool TabVisible READ TabVisible WRITE SetTabVisible)
    Q_PROPERTY(int ImageIndex READ ImageIndex WRITE SetImageIndex)
    Q_PROPERTY(int PageIndex READ PageIndex WRITE SetPageIndex)
public:
    explicit TTabSheet(QObject* owner = nullptr);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    // Whether the page has a tab in the row; a page without one can still be active.
    bool TabVisible() const { return m_tabVisible; }
    void SetTabVisible(bool visible);
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int index);

    TPageControl* PageControl() const;
    void SetPageControl(TPageControl* control);
    // The page's place among all pages of its control, -1 without one.
    int PageIndex() const;
    void SetPageIndex(int index);
    // Its tab's place in the row, -1 without a visible tab.
    int TabIndex() const;

private:
    QString m_caption;
    bool m_tabVisible = true;
    int m_imageIndex = -1;

    void Changed();
};
