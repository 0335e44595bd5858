#include "SqlParams.h"

namespace {

bool IsNameStart(QChar c) { return c.isLetter() || c == u'_'; }
bool IsNameChar(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

// Index just past the quoted text that starts at `from` (MySQL: a backslash escapes the
// next character, a doubled quote is one quote).
qsizetype SkipQuoted(const QString& s, qsizetype from)
{
    const QChar quote = s.at(from);
    qsizetype i = from + 1;
    while (i < s.size()) {
        const QChar c = s.at(i);
        if (c == u'\\' && quote != u'`') {
            i += 2;
        } else if (c == quote) {
            if (i + 1 < s.size() && s.at(i + 1) == quote)
                i += 2;
            else
                return i + 1;
        } else {
            ++i;
        }
    }
    return s.size();
}

qsizetype SkipComment(const QString& s, qsizetype from)
{
    if (s.at(from) == u'/') {
        const qsizetype end = s.indexOf(QLatin1String("*/"), from + 2);
        return end < 0 ? s.size() : end + 2;
    }
    const qsizetype end = s.indexOf(u'\n', from);
    return end < 0 ? s.size() : end;
}

bool StartsComment(const QString& s, qsizetype i)
{
    const QChar c = s.at(i);
    const QChar next = i + 1 < s.size() ? s.at(i + 1) : QChar();
    if (c == u'#') return true;
    if (c == u'/' && next == u'*') return true;
    // "--" opens a comment only when followed by white space (or the end).
    return c == u'-' && next == u'-' && (i + 2 >= s.size() || s.at(i + 2).isSpace());
}

} // namespace

TParsedSql ParseSqlParams(const QString& sql)
{
    TParsedSql out;
    out.text.reserve(sql.size());
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql.at(i);
        qsizetype next = i + 1;
        if (c == u'\'' || c == u'"' || c == u'`') {
            next = SkipQuoted(sql, i);
        } else if (StartsComment(sql, i)) {
            next = SkipComment(sql, i);
        } else if (c == u':' && i + 1 < sql.size() && IsNameStart(sql.at(i + 1))
            && (i == 0 || !IsNameChar(sql.at(i - 1)))) {
            qsizetype end = i + 1;
            while (end < sql.size() && IsNameChar(sql.at(end)))
                ++end;
            out.names.append(sql.mid(i + 1, end - i - 1));
            out.text.append(u'?');
            i = end;
            continue;
        }
        out.text.append(QStringView(sql).mid(i, next - i));
        i = next;
    }
    return out;
}
