#include "SheetSkin.h"

#include <QFile>
#include <QLinearGradient>
#include <QPainter>

namespace {

// A frame of `r` with a one-pixel dark outline and a light inner line, filled by `fill`.
void Bevel(QPainter& p, const QRect& r, const QColor& dark, const QColor& light, const QBrush& fill)
{
    p.fillRect(r, dark);
    p.fillRect(r.adjusted(1, 1, -1, -1), light);
    p.fillRect(r.adjusted(2, 2, -2, -2), fill);
}

QImage Artwork()
{
    QImage picture(240, 140, QImage::Format_RGB32);
    picture.fill(QColor(255, 0, 255));
    QPainter p(&picture);
    // panel 0,0,40,40: a raised bevel around a pale client area.
    Bevel(p, QRect(0, 0, 40, 40), QColor(70, 80, 105), QColor(235, 240, 250), QColor(196, 204, 222));
    p.fillRect(QRect(4, 4, 32, 32), QColor(214, 220, 232));
    // groupbox 40,0,100,54: a caption band over a framed client area.
    Bevel(p, QRect(40, 0, 60, 54), QColor(60, 75, 110), QColor(200, 210, 235), QColor(214, 220, 232));
    QLinearGradient band(0, 2, 0, 20);
    band.setColorAt(0, QColor(92, 124, 188));
    band.setColorAt(1, QColor(48, 70, 128));
    p.fillRect(QRect(42, 2, 56, 18), band);
    p.fillRect(QRect(42, 20, 56, 1), QColor(60, 75, 110));
    p.fillRect(QRect(45, 21, 50, 28), QColor(226, 231, 242));
    // Check images for caption check boxes, on the magenta transparent colour.
    for (int i = 0; i < 2; ++i) {
        const QRect box(0 + i * 14, 60, 13, 13);
        p.fillRect(box, QColor(60, 75, 110));
        p.fillRect(box.adjusted(1, 1, -1, -1), QColor(245, 247, 252));
        if (i == 0) {
            p.setPen(QPen(QColor(30, 60, 140), 2));
            p.drawLine(box.x() + 3, box.y() + 6, box.x() + 5, box.y() + 9);
            p.drawLine(box.x() + 5, box.y() + 9, box.x() + 10, box.y() + 3);
        }
    }
    return picture;
}

QByteArray Section(const char* name, std::initializer_list<const char*> lines)
{
    QByteArray text = QByteArray("[") + name + "]\r\n";
    for (const char* line : lines)
        text += QByteArray(line) + "\r\n";
    return text + "\r\n";
}

} // namespace

SheetSkin::SheetSkin()
{
    Artwork().save(m_dir.filePath("controls.bmp"), "BMP");
    const QByteArray text = Section("VERSION", { "skinname=Sheet", "ver=1" })
        + Section("PICTURES",
            { "picture=", "inactivepicture=", "mask=", "activepicturescount=1", "0=controls.bmp" })
        + Section("FORMINFO", { "borderwidth=4" }) + Section("SKINOBJECTS", { "count=0" })
        + Section("SKINCOLORS",
            { "cbtnface=15264214", "cbtnshadow=7360582", "cbtnhighlight=16777215", "cbtntext=4599838" })
        + Section("SKINCONTROLS", { "count=3", "0=panel:panel", "1=groupbox:panel", "2=stdlabel:stdlabel" })
        + Section("panel",
            { "pictureindex=0", "skinrect=0,0,40,40", "lefttoppoint=8,8", "righttoppoint=32,8",
                "leftbottompoint=8,32", "rightbottompoint=32,32", "clientrect=4,4,36,36" })
        + Section("groupbox",
            { "pictureindex=0", "skinrect=40,0,100,54", "lefttoppoint=10,22", "righttoppoint=50,22",
                "leftbottompoint=10,44", "rightbottompoint=50,44", "clientrect=5,21,55,49",
                "captionrect=5,3,55,18", "alignment=taleftjustify", "fontname=Arial", "fontheight=-12",
                "fontstyle=fsbold", "fontcolor=16777215", "topstretch=1", "checkimagerect=0,60,13,73",
                "uncheckimagerect=14,60,27,73" })
        + Section("stdlabel", { "fontname=Arial", "fontheight=-12", "fontcolor=4599838" });
    QFile file(m_dir.filePath("skin.ini"));
    if (file.open(QIODevice::WriteOnly)) file.write(text);
    file.close();
    m_stored.CompressFromIniFile(file.fileName());
    m_store.SetCompressedStoredSkin(&m_stored);
}
