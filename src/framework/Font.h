#pragma once
// A font as declared data describes it: family name, height (below zero the character
// height in pixels, above zero the cell height), style set and colour. Controls own one
// and follow its changes.
#include "framework/Types.h"
#include "platform/Colors.h"

#include <QFont>
#include <QObject>

class TFont : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName)
    Q_PROPERTY(int Height READ Height WRITE SetHeight)
    Q_PROPERTY(int Size READ Size WRITE SetSize)
    Q_PROPERTY(fw::TFontStyles Style READ Style WRITE SetStyle)
    Q_PROPERTY(uint Color READ Color WRITE SetColor)
    Q_PROPERTY(int Charset READ Charset WRITE SetCharset)
public:
    explicit TFont(QObject* parent = nullptr);

    QString Name() const { return m_name; }
    void SetName(const QString& name);
    int Height() const { return m_height; }
    void SetHeight(int height);
    int Size() const;
    void SetSize(int points);
    TFontStyles Style() const { return m_style; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    int Charset() const { return m_charset; }
    void SetCharset(int charset) { m_charset = charset; }

    void Assign(const TFont& other);
    QFont ToQFont() const;
    // The Qt font of a family, height (classic rule) and style set.
    static QFont MakeQFont(const QString& name, int height, TFontStyles style);

signals:
    void Changed();

private:
    QString m_name = QStringLiteral("MS Sans Serif");
    int m_height = -11;
    TFontStyles m_style;
    TColor m_color = clr::clWindowText;
    int m_charset = 1;
};
