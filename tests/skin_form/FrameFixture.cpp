#include "FrameFixture.h"

#include "app/Registration.h"
#include "framework/Application.h"

#include <QPainter>
#include <QTest>

namespace frametest {

TvnSkinData& ProgramSkin()
{
    static TDM* dm = [] {
        RegisterQuiraClasses();
        return new TDM;
    }();
    return *dm->vnSkinData1;
}

FramedForm::FramedForm(TFormBorderStyle style, TvnSkinData* skin)
    : Form(std::make_unique<TForm>())
{
    Form->SetBorderStyle(style);
    Frame = new TvnVeneerform(Form.get());
    if (skin) Frame->SetSkinData(skin);
}

QImage FramePaint(TForm& form, QRgb background)
{
    QImage image(form.size(), QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    form.Perform(msg::WM_NCPAINT, 0, reinterpret_cast<LPARAM>(&painter));
    return image;
}

int ObjectIndex(const TvnVeneerform& frame, const char* name)
{
    for (int i = 0; i < frame.Objects().Count(); ++i)
        if (frame.Objects().State(i).IDName == QLatin1String(name)) return i;
    return -1;
}

QRect ObjectPlace(const TvnVeneerform& frame, const char* name)
{
    const int i = ObjectIndex(frame, name);
    return i == -1 ? QRect() : frame.Objects().LayoutAt(i).Rect;
}

QRect ClientGeometry(const TForm& form) { return form.ClientWidget()->geometry(); }

void FramedFormsTest::SetUp()
{
    Application()->Reset();
    m_main = std::make_unique<TForm>();
    Application()->SetMainForm(m_main.get());
}

void FramedFormsTest::TearDown()
{
    Application()->Restore();
    Application()->Reset();
}

std::unique_ptr<FramedForm> FramedFormsTest::Make(
    TFormBorderStyle style, QRect bounds, veneer::TvnBorderIcons icons)
{
    auto f = std::make_unique<FramedForm>(style, &ProgramSkin());
    f->Frame->SetBorderIcons(icons);
    f->Form->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    return f;
}

std::unique_ptr<FramedForm> FramedFormsTest::Shown(TFormBorderStyle style, QRect bounds)
{
    auto f = Make(style, bounds);
    f->Form->Show();
    f->Form->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(f->Form.get()));
    EXPECT_TRUE(f->Frame->IsFrameActive());
    return f;
}

} // namespace frametest
