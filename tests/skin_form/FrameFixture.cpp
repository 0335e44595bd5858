#include "FrameFixture.h"

#include "app/Registration.h"

#include <QPainter>

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

QRect ClientGeometry(const TForm& form) { return form.ClientWidget()->geometry(); }

} // namespace frametest
