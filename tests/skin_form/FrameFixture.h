#pragma once
// Forms with a frame component, on the program's own skin store (the data module created
// from its declared data) or on none.
#include "app/uDM/uDM.h"
#include "framework/Form.h"
#include "skin/data/vnSkinData/SkinData.h"
#include "skin/form/Veneerform/Veneerform.h"

#include <QImage>
#include <memory>

namespace frametest {

TvnSkinData& ProgramSkin();

struct FramedForm {
    explicit FramedForm(TFormBorderStyle style = bsSizeable, TvnSkinData* skin = nullptr);
    std::unique_ptr<TForm> Form;
    TvnVeneerform* Frame;
};

// What the frame paints over a picture of the form's size filled with `background`.
QImage FramePaint(TForm& form, QRgb background = 0xFF123456);

// The window's client rectangle as its client widget lies.
QRect ClientGeometry(const TForm& form);

} // namespace frametest
