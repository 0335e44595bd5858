#pragma once
// The contact sheet's page: sections with a heading, each a flow of labelled tiles.
#include <QImage>
#include <QString>
#include <vector>

namespace sheet {

struct TTile {
    QString Label;
    QImage Image;
};
using TTiles = std::vector<TTile>;

class TContactSheet {
public:
    explicit TContactSheet(int width);

    void Section(const QString& title);
    void Add(const TTile& tile);
    void Add(const TTiles& tiles);
    // The page: headings and tiles laid out left to right, row after row.
    QImage Render() const;

private:
    struct TItem {
        bool Heading;
        TTile Tile;
    };
    int m_width;
    std::vector<TItem> m_items;
};

} // namespace sheet
