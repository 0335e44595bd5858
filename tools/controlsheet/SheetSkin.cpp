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
    QImage picture(240, 200, QImage::Format_RGB32);
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
    // Button faces at y 80, 60 x 24 each: normal, hot, pressed, disabled.
    const QColor tops[]
        = { QColor(250, 251, 254), QColor(255, 244, 214), QColor(150, 170, 210), QColor(226, 226, 226) };
    const QColor bottoms[]
        = { QColor(196, 206, 228), QColor(247, 200, 120), QColor(196, 210, 236), QColor(210, 210, 210) };
    const QColor edges[]
        = { QColor(70, 90, 130), QColor(190, 120, 30), QColor(40, 60, 110), QColor(160, 160, 160) };
    for (int i = 0; i < 4; ++i) {
        const QRect face(i * 60, 80, 60, 24);
        QLinearGradient fill(0, face.top(), 0, face.bottom());
        fill.setColorAt(0, tops[i]);
        fill.setColorAt(1, bottoms[i]);
        p.fillRect(face, edges[i]);
        p.fillRect(face.adjusted(1, 1, -1, -1), fill);
    }
    // Flat check images at y 110 on the magenta transparent colour (14 x 14 cells whose
    // bottom-left pixel stays magenta): check, uncheck, active check, active uncheck;
    // radio images at y 125 in the same order.
    for (int i = 0; i < 4; ++i) {
        const bool checked = i % 2 == 0, hot = i >= 2;
        const QRect box(i * 14, 110, 13, 13);
        p.fillRect(box, hot ? QColor(190, 120, 30) : QColor(60, 75, 110));
        p.fillRect(box.adjusted(1, 1, -1, -1), hot ? QColor(255, 246, 222) : QColor(245, 247, 252));
        if (checked) {
            p.setPen(QPen(QColor(30, 60, 140), 2));
            p.drawLine(box.x() + 3, box.y() + 6, box.x() + 5, box.y() + 9);
            p.drawLine(box.x() + 5, box.y() + 9, box.x() + 10, box.y() + 3);
        }
        const QRect radio(i * 14, 125, 13, 13);
        p.setPen(Qt::NoPen);
        p.setBrush(hot ? QColor(190, 120, 30) : QColor(60, 75, 110));
        p.drawEllipse(radio);
        p.setBrush(hot ? QColor(255, 246, 222) : QColor(245, 247, 252));
        p.drawEllipse(radio.adjusted(1, 1, -1, -1));
        if (checked) {
            p.setBrush(QColor(30, 60, 140));
            p.drawEllipse(radio.adjusted(4, 4, -4, -4));
        }
        p.setBrush(Qt::NoBrush);
    }
    // Framed check box faces at y 140, 100 x 22: normal and hot.
    for (int i = 0; i < 2; ++i) {
        const QRect face(60, 140 + i * 24, 100, 22);
        QLinearGradient fill(0, face.top(), 0, face.bottom());
        fill.setColorAt(0, tops[i]);
        fill.setColorAt(1, bottoms[i]);
        p.fillRect(face, edges[i]);
        p.fillRect(face.adjusted(1, 1, -1, -1), fill);
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
        + Section("SKINCONTROLS",
            { "count=6", "0=panel:panel", "1=groupbox:panel", "2=stdlabel:stdlabel", "3=button:button",
                "4=checkbox:checkradio", "5=radiobox:checkradio" })
        + Section("button",
            { "pictureindex=0", "skinrect=0,80,60,104", "activeskinrect=60,80,120,104",
                "downskinrect=120,80,180,104", "disabledskinrect=180,80,240,104", "lefttoppoint=4,4",
                "righttoppoint=56,4", "leftbottompoint=4,20", "rightbottompoint=56,20",
                "clientrect=3,3,57,21", "leftstretch=1", "rightstretch=1", "topstretch=1", "bottomstretch=1",
                "stretcheffect=1", "fontname=Arial", "fontheight=-12", "fontstyle=fsbold",
                "fontcolor=3155993", "activefontcolor=1056896", "downfontcolor=16777215",
                "disabledfontcolor=9474192", "showfocus=1", "morphing=1", "morphkind=mkgradient" })
        + Section("checkbox",
            { "pictureindex=0", "skinrect=60,140,160,162", "activeskinrect=60,164,160,186",
                "lefttoppoint=22,0", "righttoppoint=90,0", "clientrect=22,0,98,22",
                "checkimagearea=4,4,18,18", "textarea=24,0,96,22", "checkimagerect=0,110,14,124",
                "uncheckimagerect=14,110,28,124", "activecheckimagerect=28,110,42,124",
                "activeuncheckimagerect=42,110,56,124", "fontname=Arial", "fontheight=-12",
                "fontcolor=3155993", "activefontcolor=1056896", "framefontcolor=4599838",
                "unenabledfontcolor=9474192", "morphing=1" })
        + Section("radiobox",
            { "pictureindex=0", "skinrect=60,140,160,162", "activeskinrect=60,164,160,186",
                "lefttoppoint=22,0", "righttoppoint=90,0", "clientrect=22,0,98,22",
                "checkimagearea=4,4,18,18", "textarea=24,0,96,22", "checkimagerect=0,125,14,139",
                "uncheckimagerect=14,125,28,139", "activecheckimagerect=28,125,42,139",
                "activeuncheckimagerect=42,125,56,139", "fontname=Arial", "fontheight=-12",
                "fontcolor=3155993", "activefontcolor=1056896", "framefontcolor=4599838",
                "unenabledfontcolor=9474192" })
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
