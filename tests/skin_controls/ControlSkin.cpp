#include "ControlSkin.h"

#include <QFile>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

namespace ctltest {

namespace {

QByteArray Section(const char* name, std::initializer_list<const char*> lines)
{
    QByteArray text = QByteArray("[") + name + "]\r\n";
    for (const char* line : lines)
        text += QByteArray(line) + "\r\n";
    return text + "\r\n";
}

QByteArray ButtonSection(const char* name, std::initializer_list<const char*> faces)
{
    QByteArray text = Section(name,
        { "pictureindex=0", "skinrect=0,120,40,140", "lefttoppoint=10,0", "righttoppoint=30,0",
            "clientrect=4,2,36,18", "fontname=Arial", "fontheight=-16", "fontstyle=fsbold", "fontcolor=0",
            "activefontcolor=12582912", "downfontcolor=12582912", "disabledfontcolor=0" });
    text.chop(2);
    for (const char* line : faces)
        text += QByteArray(line) + "\r\n";
    return text + "\r\n";
}

QByteArray CheckSection(const char* name)
{
    return Section(name,
        { "pictureindex=0", "skinrect=120,120,200,140", "activeskinrect=120,140,200,160", "lefttoppoint=20,0",
            "righttoppoint=60,0", "clientrect=14,0,80,20", "checkimagearea=2,5,12,15", "textarea=14,0,80,20",
            "checkimagerect=0,100,10,110", "uncheckimagerect=10,100,20,110", "fontname=Arial",
            "fontheight=-16", "fontstyle=fsbold", "fontcolor=0", "activefontcolor=12582912",
            "framefontcolor=4194304", "unenabledfontcolor=8421504" });
}

QByteArray RecordSections(const char* panelSkinRect)
{
    return Section("panel",
               { "pictureindex=0", panelSkinRect, "lefttoppoint=8,8", "righttoppoint=32,8",
                   "leftbottompoint=8,32", "rightbottompoint=32,32", "clientrect=4,4,36,36" })
        + Section("groupbox",
            { "pictureindex=0", "skinrect=40,0,100,54", "lefttoppoint=10,22", "righttoppoint=50,22",
                "leftbottompoint=10,44", "rightbottompoint=50,44", "clientrect=5,21,55,49",
                "captionrect=3,3,57,18", "alignment=taleftjustify", "fontname=Arial", "fontheight=14",
                "fontcolor=16777215", "checkimagerect=0,100,10,110", "uncheckimagerect=10,100,20,110" })
        + Section("hbar",
            { "pictureindex=0", "skinrect=100,0,150,20", "lefttoppoint=10,0", "righttoppoint=40,0",
                "clientrect=10,0,40,20" })
        + Section("fixed", { "pictureindex=0", "skinrect=150,0,180,20", "clientrect=2,2,28,18" })
        + Section("vbar",
            { "pictureindex=0", "skinrect=180,0,200,50", "lefttoppoint=0,10", "leftbottompoint=0,40",
                "clientrect=0,10,20,40" })
        + Section("shaped",
            { "pictureindex=0", "maskpictureindex=1", "skinrect=0,60,40,100", "lefttoppoint=8,8",
                "righttoppoint=32,8", "leftbottompoint=8,32", "rightbottompoint=32,32",
                "clientrect=4,4,36,36" })
        + Section(
            "stdlabel", { "fontname=Arial", "fontheight=-15", "fontstyle=fsbold", "fontcolor=14408408" })
        + ButtonSection("button", { "activeskinrect=40,120,80,140", "downskinrect=80,120,120,140" })
        + ButtonSection("morphbutton",
            { "activeskinrect=40,120,80,140", "downskinrect=80,120,120,140", "morphing=1",
                "morphkind=mkdefault" })
        + ButtonSection("animbutton",
            { "activeskinrect=40,120,80,140", "animateskinrect=0,140,120,160", "framecount=3",
                "animateinterval=30" })
        + ButtonSection("glowbutton",
            { "glowlayerpictureindex=2", "glowlayermaskpictureindex=3", "glowlayeroffsetleft=10",
                "glowlayeroffsetright=10", "glowlayeroffsettop=8", "glowlayeroffsetbottom=8",
                "glowlayershowoffsetx=10", "glowlayershowoffsety=10", "glowlayeralphablendvalue=100" })
        + ButtonSection("plainbutton", {}) + ButtonSection("hotonly", { "activeskinrect=40,120,80,140" })
        + CheckSection("checkbox") + CheckSection("radiobox");
}

} // namespace

QByteArray StandardRecords()
{
    return Section("SKINCONTROLS",
               { "count=15", "0=panel:panel", "1=groupbox:panel", "2=hbar:button", "3=fixed:panel",
                   "4=vbar:panel", "5=shaped:panel", "6=stdlabel:stdlabel", "7=button:button",
                   "8=morphbutton:button", "9=plainbutton:button", "10=hotonly:button",
                   "11=checkbox:checkradio", "12=radiobox:checkradio", "13=animbutton:button",
                   "14=glowbutton:button" })
        + RecordSections("skinrect=0,0,40,40");
}

QByteArray GridSection()
{
    // bgcolor 3158064 = 0x303030.
    return "[grid]\r\npictureindex=0\r\nmaskpictureindex=-1\r\nskinrect=0,0,0,0\r\n"
           "fixedcellrect=150,0,180,20\r\nselectcellrect=100,0,150,20\r\nfocuscellrect=4,4,36,24\r\n"
           "fixedcellleftoffset=2\r\nfixedcellrightoffset=2\r\nfixedcelltextrect=2,0,28,20\r\n"
           "cellleftoffset=10\r\ncellrightoffset=10\r\ncelltextrect=4,0,46,20\r\n"
           "bgpictureindex=-1\r\nlinescolor=0\r\nbgcolor=3158064\r\n"
           "fontname=Arial\r\nfontheight=14\r\nfontcolor=16777215\r\nselectfontcolor=0\r\n"
           "focusfontcolor=255\r\nfixedfontname=Arial\r\nfixedfontheight=14\r\nfixedfontcolor=0\r\n"
           "cellstretcheffect=0\r\nfixedcellstretcheffect=0\r\nshowfocus=0\r\n\r\n";
}

QByteArray ReorderedRecords()
{
    return Section("SKINCONTROLS",
               { "count=7", "0=stdlabel:stdlabel", "1=shaped:panel", "2=vbar:panel", "3=fixed:panel",
                   "4=hbar:button", "5=groupbox:panel", "6=panel:panel" })
        + RecordSections("skinrect=0,0,40,38");
}

QImage TestSkin::Picture()
{
    QImage picture(200, 160, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.fillRect(QRect(0, 0, 40, 40), QColor(kPanelFrame));
    p.fillRect(QRect(4, 4, 32, 32), QColor(kPanelClient));
    p.fillRect(QRect(40, 0, 60, 54), QColor(kGroupFrame));
    p.fillRect(QRect(45, 21, 50, 28), QColor(kGroupClient));
    p.fillRect(QRect(100, 0, 10, 20), QColor(kLeft));
    p.fillRect(QRect(110, 0, 30, 20), QColor(kMiddle));
    p.fillRect(QRect(140, 0, 10, 20), QColor(kRight));
    p.fillRect(QRect(150, 0, 30, 20), QColor(kFixed));
    p.fillRect(QRect(180, 0, 20, 50), QColor(kMiddle));
    p.fillRect(QRect(0, 60, 40, 40), QColor(kPanelFrame));
    // Check images: white background (the transparent colour) around a black square.
    p.fillRect(QRect(2, 102, 6, 6), Qt::black);
    p.fillRect(QRect(12, 102, 6, 6), Qt::gray);
    p.fillRect(QRect(0, 120, 40, 20), QColor(kBtnNormal));
    p.fillRect(QRect(40, 120, 40, 20), QColor(kBtnHot));
    p.fillRect(QRect(80, 120, 40, 20), QColor(kBtnDown));
    p.fillRect(QRect(120, 120, 80, 20), QColor(kBtnNormal));
    p.fillRect(QRect(120, 140, 80, 20), QColor(kBtnHot));
    for (int i = 0; i < 3; ++i)
        p.fillRect(QRect(i * 40, 140, 40, 20), QColor(kFrames[i]));
    return picture;
}

QImage TestSkin::Mask()
{
    QImage mask(200, 160, QImage::Format_RGB32);
    mask.fill(Qt::white);
    QPainter p(&mask);
    p.fillRect(QRect(0, 60, 40, 40), Qt::black);
    for (QPoint corner : { QPoint(0, 60), QPoint(36, 60), QPoint(0, 96), QPoint(36, 96) })
        p.fillRect(QRect(corner, QSize(4, 4)), Qt::white);
    return mask;
}

std::unique_ptr<TvnCompressedStoredSkin> TestSkin::Pack(const QByteArray& records)
{
    EXPECT_TRUE(Picture().save(m_dir.filePath("controls.bmp"), "BMP"));
    EXPECT_TRUE(Mask().save(m_dir.filePath("mask.bmp"), "BMP"));
    QImage glow(60, 40, QImage::Format_RGB32);
    glow.fill(QColor(255, 200, 80));
    EXPECT_TRUE(glow.save(m_dir.filePath("glow.bmp"), "BMP"));
    glow.fill(Qt::white);
    EXPECT_TRUE(glow.save(m_dir.filePath("glowmask.bmp"), "BMP"));
    const QByteArray text = Section("VERSION", { "skinname=ControlTest", "ver=1" })
        + Section("PICTURES",
            { "picture=", "inactivepicture=", "mask=", "activepicturescount=4", "0=controls.bmp",
                "1=mask.bmp", "2=glow.bmp", "3=glowmask.bmp" })
        + Section("FORMINFO", { "borderwidth=4" }) + Section("SKINOBJECTS", { "count=0" })
        + Section("SKINCOLORS", { "cbtnshadow=255", "cbtnhighlight=65280", "cbtnface=12632256" }) + records;
    QFile file(m_dir.filePath("skin.ini"));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    auto stored = std::make_unique<TvnCompressedStoredSkin>();
    EXPECT_TRUE(stored->CompressFromIniFile(file.fileName()));
    return stored;
}

TestSkin::TestSkin(const QByteArray& records)
    : m_store(std::make_unique<TvnSkinData>())
{
    EXPECT_TRUE(m_dir.isValid());
    m_stored = Pack(records);
    m_store->SetCompressedStoredSkin(m_stored.get());
    EXPECT_FALSE(m_store->Empty());
}

void TestSkin::Reload(const QByteArray& records)
{
    auto stored = Pack(records);
    m_store->SetCompressedStoredSkin(stored.get());
    m_stored = std::move(stored);
}

QImage Grab(QWidget* widget) { return widget->grab().toImage().convertToFormat(QImage::Format_ARGB32); }

} // namespace ctltest
