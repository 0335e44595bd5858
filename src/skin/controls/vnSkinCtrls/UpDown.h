#pragma once
// TvnSkinUpDown: a pair of arrow buttons that steps a position through a range, drawn
// from an "updown" record. The page control puts one over the end of its tab row when
// the tabs outgrow it; a click (held: repeated, as the scroll bar's arrows repeat) moves
// the position and raises OnChange.
//
// The record's button rectangles lie in its skin rectangle; the control may be any size,
// so each button is stretched by the ratio of the control's size to the skin's. Without
// a record each half is a box in system colours with a black arrow.
#include "SkinControl.h"

class TvnSkinUpDown : public TvnSkinControl {
    Q_OBJECT
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(int Position READ Position WRITE SetPosition)
    Q_PROPERTY(TNotifyEvent OnChange MEMBER OnChange)
public:
    // The two buttons: the decreasing one at the left, the increasing one at the right.
    enum Button { kNoButton = -1, kDecrease = 0, kIncrease = 1 };
    static constexpr WPARAM kRepeatTimer = 1;
    static constexpr int kRepeatDelay = 500;
    static constexpr int kRepeatInterval = 50;

    explicit TvnSkinUpDown(QObject* owner = nullptr);

    int Min() const { return m_min; }
    void SetMin(int min);
    int Max() const { return m_max; }
    void SetMax(int max);
    // Kept within Min..Max; set from code without OnChange.
    int Position() const { return m_position; }
    void SetPosition(int position);
    void SetRange(int min, int max, int position);

    // Raised after a button moved the position.
    TNotifyEvent OnChange;

    // Where a button lies at the present size.
    QRect ButtonRect(int button) const;
    int ButtonAt(QPoint point) const;
    int HotButton() const { return m_hot; }
    int PressedButton() const { return m_pressed; }

    void WndProc(TMessage& message) override;

protected:
    void DrawSkinned(QImage& bitmap) override;
    void DrawUnskinned(QImage& bitmap) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void Step(int button);
    void SetHot(int button);

    int m_min = 0;
    int m_max = 100;
    int m_position = 0;
    int m_hot = kNoButton;
    int m_pressed = kNoButton;
    bool m_waiting = false;
};
