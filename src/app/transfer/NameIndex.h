#pragma once
// For each wanted photo name, the folders (walk indices, ascending) that hold a photo of
// exactly that name. Only the chosen names are kept, so the tree's other photos cost a
// hash lookup each and nothing more.
#include <QtGlobal>
#include <algorithm>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TNameIndex {
public:
    void Want(std::string name) { m_folders.try_emplace(std::move(name)); }

    // Adds a folder that holds `name`, if the name is wanted; folders may come in any
    // order and more than once.
    void Add(std::string_view name, qsizetype folder)
    {
        const auto it = m_folders.find(name);
        if (it == m_folders.end()) return;
        std::vector<qsizetype>& folders = it->second;
        if (folders.empty() || folders.back() < folder) { // the walk's own order: the common case
            folders.push_back(folder);
            return;
        }
        const auto at = std::lower_bound(folders.begin(), folders.end(), folder);
        if (at == folders.end() || *at != folder) folders.insert(at, folder);
    }

    // The folders holding `name`, first in walk order first.
    const std::vector<qsizetype>& Folders(std::string_view name) const
    {
        static const std::vector<qsizetype> none;
        const auto it = m_folders.find(name);
        return it == m_folders.end() ? none : it->second;
    }

private:
    struct THash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>()(s); }
    };
    std::unordered_map<std::string, std::vector<qsizetype>, THash, std::equal_to<>> m_folders;
};
