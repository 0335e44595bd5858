#pragma once
// The small skin the control tests draw with, built in code: one picture of solid areas
// of known colours, a mask picture, and records written as description text, packed
// and loaded by the product's own packer and store.
//
// Picture 0 (200 x 120), skin rectangles and their colours:
//   panel     0,0,40,40     frame kPanelFrame, client 4,4,36,36 kPanelClient (mode Both)
//   groupbox  40,0,100,54   frame kGroupFrame, client 5,21,55,49 kGroupClient (mode Both),
//                           caption 3,3,57,18
//   hbar      100,0,150,20  left 10 columns kLeft, right 10 kRight, middle kMiddle
//   fixed     150,0,180,20  kFixed, no corner points
//   vbar      180,0,200,50  kMiddle, a left-bottom point only
//   shaped    0,60,40,100   kPanelFrame, mask picture 1 cuts its four 4 x 4 corners
//   button    faces at y 120: normal 0,120,40,140 kBtnNormal, hot 40,.. kBtnHot, pressed
//             80,.. kBtnDown; client 4,2,36,18, across only (mode Horizontal)
//   morphbutton  the same faces, cross-fading
//   plainbutton  the normal face only;  hotonly  normal and hot faces, no pressed face
//   animbutton  the button's faces and three animation frames at 0,140,120,160
//   glowbutton  the button's faces and a glow: picture 2 (60 x 40), mask picture 3,
//             fixed ends 10 across and 8 down, shown 10,10 up and left, alpha 100
//   checkbox, radiobox  framed face 120,120,200,140 kBtnNormal (hot 120,140,200,160
//             kBtnHot); check image 0,100,10,110 (black on white), unchecked 10,100,20,110
#include "skin/data/vnSkinData/SkinData.h"

#include <QByteArray>
#include <QImage>
#include <QTemporaryDir>
#include <memory>

namespace ctltest {

inline constexpr QRgb kPanelFrame = 0xFFC82828;
inline constexpr QRgb kPanelClient = 0xFF28C828;
inline constexpr QRgb kGroupFrame = 0xFF2828C8;
inline constexpr QRgb kGroupClient = 0xFFDCDC3C;
inline constexpr QRgb kLeft = 0xFF102030;
inline constexpr QRgb kMiddle = 0xFF646464;
inline constexpr QRgb kRight = 0xFF302010;
inline constexpr QRgb kFixed = 0xFF8040A0;
inline constexpr QRgb kBtnNormal = 0xFFA0A0F0;
inline constexpr QRgb kBtnHot = 0xFFF0A0A0;
inline constexpr QRgb kBtnDown = 0xFFA0F0A0;
// Animation frames side by side at 0,140,120,160, 40 pixels each.
inline constexpr QRgb kFrames[] = { 0xFF101080, 0xFF108010, 0xFF801010 };
// Colours of the skin's [SKINCOLORS] and of the label record (0x00BBGGRR values).
inline constexpr TColor kSkinShadow = 0x0000FF;
inline constexpr TColor kSkinHighlight = 0x00FF00;
inline constexpr TColor kLabelColor = 14408408;
inline constexpr TColor kButtonText = 0x000000;
inline constexpr TColor kButtonHotText = 0xC00000;
inline constexpr TColor kCheckText = 0x400000;

// The records above as description text: the [SKINCONTROLS] list and one section each.
QByteArray StandardRecords();
// The same records listed in another order, "panel" with another skin rectangle size.
QByteArray ReorderedRecords();
// The [grid] section the grid tests draw with: the fixed face is kFixed, the selected face
// the hbar strip (kLeft, kMiddle, kRight), the focused face the panel's client
// (kPanelClient), the background kGridBackground.
QByteArray GridSection();
inline constexpr QRgb kGridBackground = 0xFF303030;

class TestSkin {
public:
    explicit TestSkin(const QByteArray& records = StandardRecords());
    TvnSkinData& Store() { return *m_store; }
    // Loads another description into the same store (the skin-change notifications go
    // to every form).
    void Reload(const QByteArray& records);
    // Destroys the store, as when its component is removed.
    void DestroyStore() { m_store.reset(); }

    static QImage Picture();
    static QImage Mask();

private:
    std::unique_ptr<TvnCompressedStoredSkin> Pack(const QByteArray& records);
    QTemporaryDir m_dir;
    std::unique_ptr<TvnCompressedStoredSkin> m_stored;
    std::unique_ptr<TvnSkinData> m_store;
};

// The control as it paints itself, as an image.
QImage Grab(QWidget* widget);

} // namespace ctltest
