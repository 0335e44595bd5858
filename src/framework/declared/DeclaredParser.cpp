#include "DeclaredTree.h"
#include "framework/Exception.h"

#include <array>

namespace {

class Parser {
public:
    Parser(const QString& text, const QString& file)
        : m_text(text)
        , m_file(file)
    {
    }

    TDeclaredObject ParseFile()
    {
        SkipBlank();
        TDeclaredObject root = ParseObject();
        SkipBlank();
        if (!AtEnd()) Fail(QStringLiteral("text after the final 'end'"));
        return root;
    }

private:
    const QString& m_text;
    QString m_file;
    int m_pos = 0;
    int m_line = 1;

    [[noreturn]] void Fail(const QString& what) const { FailAt(m_line, what); }
    [[noreturn]] void FailAt(int line, const QString& what) const
    {
        throw Exception(QStringLiteral("%1:%2: %3").arg(m_file).arg(line).arg(what));
    }

    bool AtEnd() const { return m_pos >= m_text.size(); }
    QChar Peek() const { return AtEnd() ? QChar() : m_text.at(m_pos); }
    QChar Take()
    {
        QChar c = m_text.at(m_pos++);
        if (c == u'\n') ++m_line;
        return c;
    }

    void SkipBlank()
    {
        while (!AtEnd()) {
            QChar c = Peek();
            if (c.isSpace()) {
                Take();
            } else if (c == u'/' && m_pos + 1 < m_text.size() && m_text.at(m_pos + 1) == u'/') {
                while (!AtEnd() && Peek() != u'\n')
                    Take();
            } else {
                break;
            }
        }
    }

    static bool isIdentStart(QChar c) { return c.isLetter() || c == u'_'; }
    static bool isIdentPart(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'.'; }

    QString Identifier()
    {
        SkipBlank();
        if (!isIdentStart(Peek())) Fail(QStringLiteral("a name was expected"));
        const int start = m_pos;
        while (!AtEnd() && isIdentPart(Peek()))
            Take();
        return m_text.mid(start, m_pos - start);
    }

    void Expect(QChar c)
    {
        SkipBlank();
        if (Peek() != c) Fail(QStringLiteral("'%1' was expected").arg(c));
        Take();
    }

    // After a property's value or an object header, a new line starts the next entry.
    bool NextIsKeyword(const QString& word)
    {
        SkipBlank();
        const int end = m_pos + static_cast<int>(word.size());
        if (end > m_text.size()) return false;
        if (QStringView(m_text).mid(m_pos, word.size()).compare(word, Qt::CaseInsensitive) != 0) return false;
        return end == m_text.size() || !isIdentPart(m_text.at(end));
    }

    TDeclaredObject ParseObject()
    {
        SkipBlank();
        TDeclaredObject obj;
        obj.line = m_line;
        const QString keyword = Identifier();
        if (keyword.compare(u"object", Qt::CaseInsensitive) != 0
            && keyword.compare(u"inherited", Qt::CaseInsensitive) != 0)
            FailAt(obj.line, QStringLiteral("'object' was expected, found '%1'").arg(keyword));
        obj.name = Identifier();
        Expect(u':');
        obj.className = Identifier();
        for (;;) {
            SkipBlank();
            if (AtEnd()) FailAt(obj.line, QStringLiteral("object %1 has no 'end'").arg(obj.name));
            if (NextIsKeyword(QStringLiteral("end"))) {
                Identifier();
                return obj;
            }
            if (NextIsKeyword(QStringLiteral("object")) || NextIsKeyword(QStringLiteral("inherited"))) {
                obj.children.append(ParseObject());
                continue;
            }
            obj.properties.append(ParseProperty());
        }
    }

    TDeclaredProperty ParseProperty()
    {
        TDeclaredProperty p;
        SkipBlank();
        p.line = m_line;
        p.path = Identifier();
        Expect(u'=');
        p.value = ParseValue();
        return p;
    }

    TDeclaredValue ParseValue()
    {
        SkipBlank();
        TDeclaredValue v;
        v.line = m_line;
        const QChar c = Peek();
        if (c == u'\'' || c == u'#') {
            v.kind = TDeclaredValue::String;
            v.text = ParseString();
        } else if (c == u'-' || c == u'+' || c.isDigit() || c == u'$') {
            ParseNumber(v);
        } else if (c == u'[') {
            Take();
            v.kind = TDeclaredValue::Set;
            SkipBlank();
            while (Peek() != u']') {
                v.names.append(Identifier());
                SkipBlank();
                if (Peek() == u',')
                    Take();
                else if (Peek() != u']')
                    Fail(QStringLiteral("',' or ']' was expected"));
                SkipBlank();
            }
            Take();
        } else if (c == u'(') {
            Take();
            v.kind = TDeclaredValue::List;
            SkipBlank();
            while (Peek() != u')') {
                if (AtEnd()) FailAt(v.line, QStringLiteral("list has no ')'"));
                v.list.append(ParseValue());
                SkipBlank();
            }
            Take();
        } else if (c == u'{') {
            Take();
            v.kind = TDeclaredValue::Binary;
            v.bytes = ParseBinary(v.line);
        } else if (c == u'<') {
            Take();
            v.kind = TDeclaredValue::Collection;
            for (;;) {
                SkipBlank();
                if (Peek() == u'>') {
                    Take();
                    break;
                }
                if (!NextIsKeyword(QStringLiteral("item")))
                    Fail(QStringLiteral("'item' or '>' was expected"));
                TDeclaredItem item;
                item.line = m_line;
                Identifier();
                while (!NextIsKeyword(QStringLiteral("end"))) {
                    if (AtEnd()) FailAt(item.line, QStringLiteral("item has no 'end'"));
                    item.properties.append(ParseProperty());
                }
                Identifier();
                v.items.append(item);
            }
        } else if (isIdentStart(c)) {
            v.kind = TDeclaredValue::Identifier;
            v.text = Identifier();
        } else {
            Fail(QStringLiteral("a value was expected"));
        }
        return v;
    }

    // The hex digits of a binary value up to its '}', blanks and line breaks anywhere
    // between them. The data module carries the skin this way (some 160,000 digits), so
    // the digits are read in place and paired as they come, straight into the bytes,
    // instead of one character at a time through Take() and a second pass.
    QByteArray ParseBinary(int line)
    {
        const char16_t* const text = reinterpret_cast<const char16_t*>(m_text.constData());
        const int size = static_cast<int>(m_text.size());
        QByteArray bytes((size - m_pos) / 2, Qt::Uninitialized);
        char* out = bytes.data();
        int pos = m_pos;
        int high = -1;
        for (; pos < size; ++pos) {
            const char16_t h = text[pos];
            const int digit = h < 128 ? kHexDigits[h] : -1;
            if (digit >= 0) {
                // Digits come in pairs between the line breaks: take the second at once.
                const char16_t next = pos + 1 < size ? text[pos + 1] : u'}';
                const int low = next < 128 ? kHexDigits[next] : -1;
                if (high < 0 && low >= 0) {
                    *out++ = static_cast<char>(digit << 4 | low);
                    ++pos;
                } else if (high < 0) {
                    high = digit;
                } else {
                    *out++ = static_cast<char>(high << 4 | digit);
                    high = -1;
                }
            } else if (h == u'}') {
                break;
            } else if (h == u'\n') {
                ++m_line;
            } else if (!QChar(h).isSpace()) {
                m_pos = pos;
                Fail(QStringLiteral("binary data holds '%1'").arg(QChar(h)));
            }
        }
        m_pos = pos;
        if (AtEnd()) FailAt(line, QStringLiteral("binary data has no '}'"));
        Take();
        if (high >= 0) FailAt(line, QStringLiteral("binary data has an odd number of digits"));
        bytes.truncate(out - bytes.constData());
        return bytes;
    }

    // The value of each ASCII hex digit, -1 for every other character.
    static constexpr std::array<signed char, 128> kHexDigits = [] {
        std::array<signed char, 128> table {};
        for (int c = 0; c < 128; ++c)
            table[c] = c >= '0' && c <= '9' ? c - '0'
                : c >= 'A' && c <= 'F'      ? c - 'A' + 10
                : c >= 'a' && c <= 'f'      ? c - 'a' + 10
                                            : -1;
        return table;
    }();

    void ParseNumber(TDeclaredValue& v)
    {
        const int start = m_pos;
        if (Peek() == u'-' || Peek() == u'+') Take();
        bool hex = false;
        if (Peek() == u'$') {
            Take();
            hex = true;
        }
        while (!AtEnd() && (Peek().isLetterOrNumber() || Peek() == u'.'))
            Take();
        QString text = m_text.mid(start, m_pos - start);
        bool ok = false;
        if (hex) {
            const bool negative = text.startsWith(u'-');
            text.remove(u'$').remove(u'-').remove(u'+');
            v.kind = TDeclaredValue::Integer;
            v.integer = text.toLongLong(&ok, 16) * (negative ? -1 : 1);
        } else if (text.contains(u'.') || text.contains(u'e', Qt::CaseInsensitive)) {
            v.kind = TDeclaredValue::Float;
            v.real = text.toDouble(&ok);
        } else {
            v.kind = TDeclaredValue::Integer;
            v.integer = text.toLongLong(&ok);
        }
        if (!ok) Fail(QStringLiteral("'%1' is not a number").arg(text));
    }

    // 'abc' #13#10 'def' + 'ghi'
    QString ParseString()
    {
        QString out;
        for (;;) {
            SkipBlankOnLine();
            const QChar c = Peek();
            if (c == u'\'') {
                Take();
                for (;;) {
                    if (AtEnd() || Peek() == u'\n') Fail(QStringLiteral("string has no closing quote"));
                    QChar s = Take();
                    if (s == u'\'') {
                        if (Peek() == u'\'') {
                            Take();
                            out.append(u'\'');
                            continue;
                        }
                        break;
                    }
                    out.append(s);
                }
            } else if (c == u'#') {
                Take();
                const int start = m_pos;
                while (!AtEnd() && Peek().isDigit())
                    Take();
                bool ok = false;
                const uint code = m_text.mid(start, m_pos - start).toUInt(&ok);
                if (!ok) Fail(QStringLiteral("'#' must be followed by a character code"));
                out.append(QChar(static_cast<char16_t>(code)));
            } else if (c == u'+') {
                Take();
                SkipBlank();
            } else {
                return out;
            }
        }
    }

    void SkipBlankOnLine()
    {
        while (!AtEnd() && (Peek() == u' ' || Peek() == u'\t' || Peek() == u'\r'))
            Take();
        // A '+' at the end of a line joins the string on the next line.
        if (Peek() == u'+') {
            Take();
            SkipBlank();
        }
    }
};

} // namespace

QString TDeclaredValue::Describe() const
{
    switch (kind) {
    case Integer:
        return QString::number(integer);
    case Float:
        return QString::number(real);
    case String:
        return QStringLiteral("'%1'").arg(text);
    case Identifier:
        return text;
    case Set:
        return QStringLiteral("[%1]").arg(names.join(QStringLiteral(", ")));
    case List:
        return QStringLiteral("a list");
    case Binary:
        return QStringLiteral("binary data");
    case Collection:
        return QStringLiteral("a collection");
    }
    return {};
}

TDeclaredObject ParseDeclared(const QString& text, const QString& fileName)
{
    return Parser(text, fileName).ParseFile();
}
