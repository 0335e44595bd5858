// Draws every skinned control in its states, in the default look and in a skin built in
// code, and saves one picture per look: controls_default.png and controls_skin.png in
// the folder given as the first argument (build/screens by default). Run it on a real
// display or under Xvfb.
#include "EditingSheet.h"
#include "ScrollTabSheet.h"
#include "SheetSkin.h"
#include "app/Registration.h"
#include "app/uDM/uDM.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "platform/Fonts.h"
#include "skin/controls/vnSkinCtrls/Button.h"
#include "skin/controls/vnSkinCtrls/CheckRadioBox.h"
#include "skin/controls/vnSkinCtrls/Panel.h"
#include "skin/controls/vnSkinCtrls/StdLabel.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <cstdio>

namespace {

TvnSkinStdLabel* Label(
    QWidget* parent, TvnSkinData* skin, int x, int y, const QString& caption, bool enabled = true)
{
    auto* label = new TvnSkinStdLabel;
    label->SetParent(parent);
    label->SetCaption(caption);
    label->SetLeft(x);
    label->SetTop(y);
    label->SetEnabled(enabled);
    if (skin) label->SetSkinData(skin);
    return label;
}

template <class T> T* Container(QWidget* parent, TvnSkinData* skin, const QRect& bounds)
{
    auto* control = new T;
    control->SetParent(parent);
    control->SetBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    if (skin) control->SetSkinData(skin);
    return control;
}

// The panels, group boxes and labels of one look.
void AddContainers(QWidget* client, TvnSkinData* skin)
{
    auto* panel = Container<TvnSkinPanel>(client, skin, { 10, 10, 200, 100 });
    Label(panel, skin, 12, 12, "Nome");
    Label(panel, skin, 12, 34, "Tipo Evento (desativado)", false);
    Label(panel, skin, 12, 56, "Quantidade de Foto.: (12)");

    auto* box = Container<TvnSkinGroupBox>(client, skin, { 220, 10, 240, 100 });
    box->SetCaption("Cliente Selecionado");
    Label(box, skin, 12, 30, "Data Evento");
    Label(box, skin, 12, 52, "Desativado", false);

    auto* checked = Container<TvnSkinGroupBox>(client, skin, { 10, 120, 200, 80 });
    checked->SetCaption("Categorias a Salvar");
    checked->SetCheckedMode(true);
    checked->SetChecked(true);
    auto* category = new TvnSkinCheckRadioBox;
    category->SetParent(checked);
    category->SetBounds(12, 30, 120, 22);
    category->SetCaption("Ampliação");
    category->SetChecked(true);
    if (skin) category->SetSkinData(skin);

    auto* rolled = Container<TvnSkinGroupBox>(client, skin, { 220, 120, 240, 80 });
    rolled->SetCaption("Informações");
    rolled->SetRollUpMode(true);
    rolled->SetCheckedMode(true);
    Label(rolled, skin, 12, 34, "(0)");

    auto* transparent = Container<TvnSkinPanel>(client, skin, { 10, 210, 450, 50 });
    transparent->SetTransparentMode(true);
    transparent->SetCaptionMode(true);
    transparent->SetCaption("Painel transparente");
    Label(transparent, skin, 12, 24, "Nome");
}

void Hover(QWidget* control)
{
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(control, &enter);
}

// One button per state, each named by a label under it.
void AddButtons(QWidget* client, TvnSkinData* skin)
{
    auto add = [&](int x, int y, const QString& state) {
        auto* button = new TvnSkinButton;
        button->SetParent(client);
        button->SetBounds(x, y, 100, 26);
        button->SetCaption("Localizar");
        if (skin) button->SetSkinData(skin);
        Label(client, skin, x, y + 30, state);
        return button;
    };
    add(10, 10, "normal");
    Hover(add(120, 10, "hot"));
    TvnSkinButton* pressed = add(230, 10, "pressed");
    Hover(pressed);
    pressed->SetDown(true);
    add(340, 10, "disabled")->SetEnabled(false);
    add(10, 60, "focused")->setFocus();
    TvnSkinButton* sticky = add(120, 60, "sticky, down");
    sticky->SetGroupIndex(1);
    sticky->SetDown(true);
    TvnSkinButton* glyph = add(230, 60, "glyph, default");
    QImage arrow(16, 16, QImage::Format_RGB32);
    arrow.fill(QColor(255, 0, 255));
    for (int y = 3; y < 13; ++y)
        for (int x = 4; x < 4 + (y < 8 ? y - 2 : 14 - y); ++x)
            arrow.setPixel(x, y, qRgb(30, 110, 40));
    glyph->SetGlyph(arrow);
    glyph->SetCaption("Transferir");
    glyph->SetDefault(true);
    add(340, 60, "short caption")->SetCaption("...");
}

// One check box per state.
void AddCheckBoxes(QWidget* client, TvnSkinData* skin)
{
    auto add = [&](int x, int y, const QString& caption) {
        auto* box = new TvnSkinCheckRadioBox;
        box->SetParent(client);
        box->SetBounds(x, y, 140, 24);
        box->SetCaption(caption);
        if (skin) box->SetSkinData(skin);
        return box;
    };
    add(10, 10, "unchecked");
    add(10, 40, "checked")->SetChecked(true);
    add(10, 70, "grayed")->SetState(cbGrayed);
    Hover(add(10, 100, "hot"));
    TvnSkinCheckRadioBox* disabled = add(160, 10, "disabled, checked");
    disabled->SetChecked(true);
    disabled->SetEnabled(false);
    add(160, 40, "disabled")->SetEnabled(false);
    TvnSkinCheckRadioBox* radio = add(160, 70, "radio, checked");
    radio->SetSkinDataName("radiobox");
    radio->SetRadio(true);
    radio->SetChecked(true);
    TvnSkinCheckRadioBox* radioOff = add(160, 100, "radio");
    radioOff->SetSkinDataName("radiobox");
    radioOff->SetRadio(true);
    TvnSkinCheckRadioBox* framed = add(310, 10, "framed");
    framed->SetFlat(false);
    TvnSkinCheckRadioBox* framedHot = add(310, 40, "framed, hot");
    framedHot->SetFlat(false);
    framedHot->SetChecked(true);
    Hover(framedHot);
    framedHot->Perform(msg::WM_TIMER, 1, 0);
    for (int i = 0; i < 5; ++i)
        framedHot->Perform(msg::WM_TIMER, 1, 0);
    TvnSkinCheckRadioBox* focused = add(310, 75, "focused");
    focused->SetCanFocused(true);
    focused->setFocus();
}

bool SaveSheet(
    const QString& folder, const QString& name, TvnSkinData* skin, void (*fill)(QWidget*, TvnSkinData*))
{
    TForm form;
    form.SetCaption("Quira controls");
    form.SetBounds(50, 50, 470, 270);
    form.SetClientWidth(470);
    form.SetClientHeight(270);
    form.SetColor(skin ? skin->SkinColors.cBtnFace : clr::clBtnFace);
    fill(form.ClientWidget(), skin);
    form.Show();
    form.activateWindow();
    if (!QTest::qWaitForWindowExposed(&form)) return false;
    QTest::qWait(100);
    const QString path = QDir(folder).filePath(name);
    const bool saved = form.ClientWidget()->grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    TQtApplication app(argc, argv);
    fonts::InstallSubstitutes();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("build/screens");
    QDir().mkpath(folder);
    SheetSkin skin;
    // The studio skin as the program carries it: the data module's embedded block.
    RegisterQuiraClasses();
    TDM dm;
    TvnSkinData* studio = dm.vnSkinData1;
    const bool ok = SaveSheet(folder, "controls_default.png", nullptr, AddContainers)
        && SaveSheet(folder, "controls_skin.png", skin.Store(), AddContainers)
        && SaveSheet(folder, "buttons_default.png", nullptr, AddButtons)
        && SaveSheet(folder, "buttons_skin.png", skin.Store(), AddButtons)
        && SaveSheet(folder, "checkboxes_default.png", nullptr, AddCheckBoxes)
        && SaveSheet(folder, "checkboxes_skin.png", skin.Store(), AddCheckBoxes)
        && SaveSheet(folder, "controls_studio.png", studio, AddContainers)
        && SaveSheet(folder, "buttons_studio.png", studio, AddButtons)
        && SaveSheet(folder, "checkboxes_studio.png", studio, AddCheckBoxes)
        && SaveScrollTabSheet(folder, "scrolltabs_default.png", nullptr)
        && SaveScrollTabSheet(folder, "scrolltabs_studio.png", studio)
        && SaveScrollTabSheet(folder, "scrolltabs_bottom_studio.png", studio, tpBottom)
        && SaveScrollTabSheet(folder, "scrolltabs_left_default.png", nullptr, tpLeft)
        && SaveScrollTabSheet(folder, "scrolltabs_right_studio.png", studio, tpRight)
        && SaveTabScrollerSheet(folder, "tabscroller_default.png", nullptr)
        && SaveTabScrollerSheet(folder, "tabscroller_studio.png", studio)
        && SaveGridEditSheet(folder, "gridedit_default.png", nullptr)
        && SaveGridEditSheet(folder, "gridedit_studio.png", studio);
    return ok ? 0 : 1;
}
