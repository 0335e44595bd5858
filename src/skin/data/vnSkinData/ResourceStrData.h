#pragma once
// Replaceable user-interface strings of the skinning engine (menu captions of the frame,
// caption button hints, dialog buttons, ...), as lines "NAME=text". A component that
// users may put beside the store; without one they use their own built-in texts.
#include "framework/Component.h"

#include <QStringList>

class TvnResourceStrData;

// The skin's own text for `name` when `strings` has one, else the built-in English text.
QString ResStrOr(const TvnResourceStrData* strings, const char* name, const char* builtIn);

class TvnResourceStrData : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QStringList ResStrings READ ResStrings WRITE SetResStrings)
    Q_PROPERTY(int CharSet READ CharSet WRITE SetCharSet)
public:
    // The character set fonts are created with when no other is named.
    static constexpr int kDefaultCharSet = 1;

    // Starts with the English defaults of all names, in their fixed order.
    explicit TvnResourceStrData(QObject* owner = nullptr);

    QStringList ResStrings() const { return m_resStrings; }
    void SetResStrings(const QStringList& lines) { m_resStrings = lines; }
    int CharSet() const { return m_charSet; }
    void SetCharSet(int value) { m_charSet = value; }

    // The text after the first "=" of the line named `name` (names compare without
    // regard to case), or an empty text when no line has that name.
    QString GetResStr(const QString& name) const;

    static QStringList DefaultResStrings();

private:
    QStringList m_resStrings;
    int m_charSet = kDefaultCharSet;
};
