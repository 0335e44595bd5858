#include "DeclaredTree.h"
#include "framework/Exception.h"

namespace {

class Parser {
public:
    Parser(const QString& text, const QString& file)
        : m_text(text)
        , m_file(file)
    {
    }

    TDeclaredObject parseFile()
    {
        skipBlank();
        TDeclaredObject root = parseObject();
        skipBlank();
        if (!atEnd()) fail(QStringLiteral("text after the final 'end'"));
        return root;
    }

private:
    const QString& m_text;
    QString m_file;
    int m_pos = 0;
    int m_line = 1;

    [[noreturn]] void fail(const QString& what) const { failAt(m_line, what); }
    [[noreturn]] void failAt(int line, const QString& what) const
    {
        throw Exception(QStringLiteral("%1:%2: %3").arg(m_file).arg(line).arg(what));
    }

    bool atEnd() const { return m_pos >= m_text.size(); }
    QChar peek() const { return atEnd() ? QChar() : m_text.at(m_pos); }
    QChar take()
    {
        QChar c = m_text.at(m_pos++);
        if (c == u'\n') ++m_line;
        return c;
    }

    void skipBlank()
    {
        while (!atEnd()) {
            QChar c = peek();
            if (c.isSpace()) {
                take();
            } else if (c == u'/' && m_pos + 1 < m_text.size() && m_text.at(m_pos + 1) == u'/') {
                while (!atEnd() && peek() != u'\n')
                    take();
            } else {
                break;
            }
        }
    }

    static bool isIdentStart(QChar c) { return c.isLetter() || c == u'_'; }
    static bool isIdentPart(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'.'; }

    QString identifier()
    {
        skipBlank();
        if (!isIdentStart(peek())) fail(QStringLiteral("a name was expected"));
        const int start = m_pos;
        while (!atEnd() && isIdentPart(peek()))
            take();
        return m_text.mid(start, m_pos - start);
    }

    void expect(QChar c)
    {
        skipBlank();
        if (peek() != c) fail(QStringLiteral("'%1' was expected").arg(c));
        take();
    }

    // After a property's value or an object header, a new line starts the next entry.
    bool nextIsKeyword(const QString& word)
    {
        skipBlank();
        const int end = m_pos + static_cast<int>(word.size());
        if (end > m_text.size()) return false;
        if (m_text.mid(m_pos, word.size()).compare(word, Qt::CaseInsensitive) != 0) return false;
        return end == m_text.size() || !isIdentPart(m_text.at(end));
    }

    TDeclaredObject parseObject()
    {
        skipBlank();
        TDeclaredObject obj;
        obj.line = m_line;
        const QString keyword = identifier();
        if (keyword.compare(u"object", Qt::CaseInsensitive) != 0
            && keyword.compare(u"inherited", Qt::CaseInsensitive) != 0)
            failAt(obj.line, QStringLiteral("'object' was expected, found '%1'").arg(keyword));
        obj.name = identifier();
        expect(u':');
        obj.className = identifier();
        for (;;) {
            skipBlank();
            if (atEnd()) failAt(obj.line, QStringLiteral("object %1 has no 'end'").arg(obj.name));
            if (nextIsKeyword(QStringLiteral("end"))) {
                identifier();
                return obj;
            }
            if (nextIsKeyword(QStringLiteral("object")) || nextIsKeyword(QStringLiteral("inherited"))) {
                obj.children.append(parseObject());
                continue;
            }
            obj.properties.append(parseProperty());
        }
    }

    TDeclaredProperty parseProperty()
    {
        TDeclaredProperty p;
        skipBlank();
        p.line = m_line;
        p.path = identifier();
        expect(u'=');
        p.value = parseValue();
        return p;
    }

    TDeclaredValue parseValue()
    {
        skipBlank();
        TDeclaredValue v;
        v.line = m_line;
        const QChar c = peek();
        if (c == u'\'' || c == u'#') {
            v.kind = TDeclaredValue::String;
            v.text = parseString();
        } else if (c == u'-' || c == u'+' || c.isDigit() || c == u'$') {
            parseNumber(v);
        } else if (c == u'[') {
            take();
            v.kind = TDeclaredValue::Set;
            skipBlank();
            while (peek() != u']') {
                v.names.append(identifier());
                skipBlank();
                if (peek() == u',')
                    take();
                else if (peek() != u']')
                    fail(QStringLiteral("',' or ']' was expected"));
                skipBlank();
            }
            take();
        } else if (c == u'(') {
            take();
            v.kind = TDeclaredValue::List;
            skipBlank();
            while (peek() != u')') {
                if (atEnd()) failAt(v.line, QStringLiteral("list has no ')'"));
                v.list.append(parseValue());
                skipBlank();
            }
            take();
        } else if (c == u'{') {
            take();
            v.kind = TDeclaredValue::Binary;
            QByteArray hex;
            while (!atEnd() && peek() != u'}') {
                QChar h = take();
                if (h.isSpace()) continue;
                if (!isxdigit(h.toLatin1())) fail(QStringLiteral("binary data holds '%1'").arg(h));
                hex.append(h.toLatin1());
            }
            if (atEnd()) failAt(v.line, QStringLiteral("binary data has no '}'"));
            take();
            if (hex.size() % 2) failAt(v.line, QStringLiteral("binary data has an odd number of digits"));
            v.bytes = QByteArray::fromHex(hex);
        } else if (c == u'<') {
            take();
            v.kind = TDeclaredValue::Collection;
            for (;;) {
                skipBlank();
                if (peek() == u'>') {
                    take();
                    break;
                }
                if (!nextIsKeyword(QStringLiteral("item")))
                    fail(QStringLiteral("'item' or '>' was expected"));
                TDeclaredItem item;
                item.line = m_line;
                identifier();
                while (!nextIsKeyword(QStringLiteral("end"))) {
                    if (atEnd()) failAt(item.line, QStringLiteral("item has no 'end'"));
                    item.properties.append(parseProperty());
                }
                identifier();
                v.items.append(item);
            }
        } else if (isIdentStart(c)) {
            v.kind = TDeclaredValue::Identifier;
            v.text = identifier();
        } else {
            fail(QStringLiteral("a value was expected"));
        }
        return v;
    }

    void parseNumber(TDeclaredValue& v)
    {
        const int start = m_pos;
        if (peek() == u'-' || peek() == u'+') take();
        bool hex = false;
        if (peek() == u'$') {
            take();
            hex = true;
        }
        while (!atEnd() && (peek().isLetterOrNumber() || peek() == u'.'))
            take();
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
        if (!ok) fail(QStringLiteral("'%1' is not a number").arg(text));
    }

    // 'abc' #13#10 'def' + 'ghi'
    QString parseString()
    {
        QString out;
        for (;;) {
            skipBlankOnLine();
            const QChar c = peek();
            if (c == u'\'') {
                take();
                for (;;) {
                    if (atEnd() || peek() == u'\n') fail(QStringLiteral("string has no closing quote"));
                    QChar s = take();
                    if (s == u'\'') {
                        if (peek() == u'\'') {
                            take();
                            out.append(u'\'');
                            continue;
                        }
                        break;
                    }
                    out.append(s);
                }
            } else if (c == u'#') {
                take();
                const int start = m_pos;
                while (!atEnd() && peek().isDigit())
                    take();
                bool ok = false;
                const uint code = m_text.mid(start, m_pos - start).toUInt(&ok);
                if (!ok) fail(QStringLiteral("'#' must be followed by a character code"));
                out.append(QChar(static_cast<char16_t>(code)));
            } else if (c == u'+') {
                take();
                skipBlank();
            } else {
                return out;
            }
        }
    }

    void skipBlankOnLine()
    {
        while (!atEnd() && (peek() == u' ' || peek() == u'\t' || peek() == u'\r'))
            take();
        // A '+' at the end of a line joins the string on the next line.
        if (peek() == u'+') {
            take();
            skipBlank();
        }
    }
};

} // namespace

QString TDeclaredValue::describe() const
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
    return Parser(text, fileName).parseFile();
}
