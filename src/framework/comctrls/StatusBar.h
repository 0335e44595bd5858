#pragma once
// The status bar: a strip along the bottom of a form with text panels side by side (or
// one simple text across it) and, at its right end, the desktop's size grip, which
// sizes the form. Drawn in the desktop's style.
#include "framework/Control.h"

#include <QPointer>
#include <QSizeGrip>
#include <vector>

// One panel: its text and its width (the last panel takes what is left).
struct TStatusPanel {
    QString Text;
    int Width = 50;
};

class TStatusBar : public TControl {
    Q_OBJECT
    Q_PROPERTY(bool SizeGrip READ SizeGrip WRITE SetSizeGrip)
    Q_PROPERTY(bool SimplePanel READ SimplePanel WRITE SetSimplePanel)
    Q_PROPERTY(QString SimpleText READ SimpleText WRITE SetSimpleText)
public:
    explicit TStatusBar(QObject* owner = nullptr);

    // Whether the grip shows (it never does on a form maximized by the window manager).
    bool SizeGrip() const { return m_sizeGrip; }
    void SetSizeGrip(bool on);
    bool SimplePanel() const { return m_simplePanel; }
    void SetSimplePanel(bool simple);
    QString SimpleText() const { return m_simpleText; }
    void SetSimpleText(const QString& text);

    const std::vector<TStatusPanel>& Panels() const { return m_panels; }
    void SetPanels(std::vector<TStatusPanel> panels);
    void SetPanelText(int index, const QString& text);

    // The grip widget, while the bar has one (for the frame and tests).
    QSizeGrip* Grip() const { return m_grip; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PlaceGrip();
    // On a form's client area, which aligns no controls, the bar keeps itself along the
    // bottom; a control parent aligns it itself.
    void FollowParent();
    QPointer<QWidget> m_watchedParent;

    bool m_sizeGrip = true;
    bool m_simplePanel = false;
    QString m_simpleText;
    std::vector<TStatusPanel> m_panels;
    QPointer<QSizeGrip> m_grip;
};
