#pragma once
// The plain label: a caption drawn over its parent (transparent by default) or on its
// own colour, aligned, laid out top, centre or bottom, optionally sized to its text.
//
// Sizing and painting both go through DoDrawText, the one place the text is drawn or
// measured (DT_CALCRECT), so a derived label that changes the font or the flags there
// is measured the way it is drawn.
#include "framework/Control.h"

class TLabel : public TControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_PROPERTY(bool ShowAccelChar READ ShowAccelChar WRITE SetShowAccelChar)
    Q_PROPERTY(fw::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(fw::TTextLayout Layout READ Layout WRITE SetLayout)
public:
    explicit TLabel(QObject* owner = nullptr);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wrap);
    bool ShowAccelChar() const { return m_showAccelChar; }
    void SetShowAccelChar(bool show);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    TTextLayout Layout() const { return m_layout; }
    void SetLayout(TTextLayout layout);

    bool Windowless() const override { return true; }
    void Loaded() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void FontChanged() override;

    // Draws the caption in `rect` with DrawText `flags`, or with DT_CALCRECT measures it
    // into `rect`. The painter is the label's canvas (a scratch one when measuring).
    virtual void DoDrawText(QPainter& painter, QRect& rect, unsigned flags);
    // The text DoDrawText draws: the caption.
    virtual QString GetLabelText() const { return m_caption; }
    // Expanded tabs, word breaks and the alignment.
    unsigned DrawTextFlags() const;
    // `rect` moved down by the vertical layout, measured with `flags`.
    QRect LayoutRect(QPainter& painter, const QRect& rect, unsigned flags);
    // Sizes the label to its text when AutoSize is on.
    void AdjustBounds();

private:
    QString m_caption;
    bool m_autoSize = true;
    bool m_transparent = true;
    bool m_wordWrap = false;
    bool m_showAccelChar = true;
    TAlignment m_alignment = taLeftJustify;
    TTextLayout m_layout = tlTop;
};
