#include "app/transfer/PhotoNames.h"

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

bool EntryNameLess(std::string_view a, std::string_view b)
{
    const QString ta = QString::fromUtf8(a.data(), qsizetype(a.size()));
    const QString tb = QString::fromUtf8(b.data(), qsizetype(b.size()));
    const int byCase = ta.compare(tb, Qt::CaseInsensitive);
    if (byCase != 0) return byCase < 0;
    return a < b;
}
