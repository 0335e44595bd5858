#pragma once
// What one paint of a skinned edit draws from, taken once at the start of the paint: the
// record (looked up once), its picture, the layout at the present size and the state
// (hot, focused, enabled, button and image hot and pressed flags). The draw routines
// read nothing else of the edit.
#include "EditGeometry.h"
#include "skin/controls/vnSkinCtrls/FaceCache.h"

#include <QColor>
#include <QImage>
#include <QPointer>

class TImageList;
class TvnDataSkinEditControl;

namespace vnctrls {

struct TvnEditState {
    bool Enabled = true;
    bool Hot = false; // the mouse is over the field
    bool Focused = false;
    bool ButtonHot = false, ButtonDown = false;
    bool LeftHot = false, LeftDown = false;
    bool RightHot = false, RightDown = false;
};

struct TvnEditImages {
    const TImageList* List = nullptr;
    int Left = -1, LeftHot = -1, LeftDown = -1;
    int Right = -1, RightHot = -1, RightDown = -1;
};

struct TvnEditSnapshot {
    const TvnDataSkinEditControl* Record = nullptr; // null: the default look
    int RecordIndex = -1;
    QImage Picture;
    QSize Size;
    TvnEditLayout Layout;
    TvnEditState State;
    bool ButtonMode = false;
    QColor DefaultColor; // the text area's colour without a record
    TvnEditImages Images;
};

// The whole field (face, frame, button, images) into `target`, already of the field's
// size; the face comes from `faces`, keyed by record, size and face rectangle.
void DrawEdit(QImage& target, const TvnEditSnapshot& s, TvnFaceCache<QImage>& faces);

// The image of one side: the pressed or hot variant when valid, else the normal one;
// -1 when none is valid.
int EditImageIndex(const TImageList* list, int normal, int hot, int down, bool isHot, bool isDown);

} // namespace vnctrls
