#include "app/transfer/PhotoNames.h"

#include <QList>

bool IsPhotoName(std::string_view name)
{
    constexpr std::string_view suffix = ".jpg";
    if (IsHiddenName(name) || name.size() <= suffix.size()) return false;
    const std::string_view tail = name.substr(name.size() - suffix.size());
    for (size_t i = 0; i < suffix.size(); ++i) {
        const char c = tail[i];
        const char lower = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
        if (lower != suffix[i]) return false;
    }
    return true;
}

bool IsPlainFileName(const QString& name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/')
        && !name.contains(QChar(0));
}

bool IsEditFolderName(const QString& pasta)
{
    if (pasta.contains(u'\\')) return false;
    for (const QStringView part : QStringView(pasta).split(u'/'))
        if (!IsPlainFileName(part.toString())) return false;
    return true;
}

bool EntryNameLess(std::string_view a, std::string_view b)
{
    const QString ta = QString::fromUtf8(a.data(), qsizetype(a.size()));
    const QString tb = QString::fromUtf8(b.data(), qsizetype(b.size()));
    const int byCase = ta.compare(tb, Qt::CaseInsensitive);
    if (byCase != 0) return byCase < 0;
    return a < b;
}
