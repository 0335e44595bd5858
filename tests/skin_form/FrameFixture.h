#pragma once
// Forms with a frame component, on the program's own skin store (the data module created
// from its declared data) or on none.
#include "app/uDM/uDM.h"
#include "framework/Form.h"
#include "skin/data/vnSkinData/SkinData.h"
#include "skin/form/Veneerform/Veneerform.h"

#include <QImage>
#include <gtest/gtest.h>
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

// Index of the frame object named `name`, or -1, and where it lies (empty: nowhere).
int ObjectIndex(const TvnVeneerform& frame, const char* name);
QRect ObjectPlace(const TvnVeneerform& frame, const char* name);

// The window's client rectangle as its client widget lies.
QRect ClientGeometry(const TForm& form);

// Framed forms of the studio skin beside a main form of their own, so that the forms
// under test are ordinary ones; the application is reset around each test.
class FramedFormsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A form with the program's border icons (by default) at `bounds`, not shown.
    static std::unique_ptr<FramedForm> Make(TFormBorderStyle style = bsSizeable,
        QRect bounds = { 100, 80, 416, 240 }, veneer::TvnBorderIcons icons = veneer::biMinimize);
    // The same, shown and active.
    static std::unique_ptr<FramedForm> Shown(
        TFormBorderStyle style = bsSizeable, QRect bounds = { 100, 80, 416, 240 });

    std::unique_ptr<TForm> m_main;
};

} // namespace frametest
