#pragma once
// The plain label: a caption drawn over its parent (transparent by default) or on its
// own colour, aligned, optionally sized to its text.
#include "framework/Control.h"

class TLabel : public TControl {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE SetWordWrap)
    Q_PROPERTY(fw::TAlignment Alignment READ Alignment WRITE SetAlignment)
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
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);

protected:
    void paintEvent(QPaintEvent* event) override;
    void FontChanged() override;

private:
    QString m_caption;
    bool m_autoSize = true;
    bool m_transparent = true;
    bool m_wordWrap = false;
    TAlignment m_alignment = taLeftJustify;

    int textFlags() const;
    void adjustSize();
};
