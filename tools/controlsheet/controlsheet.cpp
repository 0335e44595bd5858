// Draws every skinned control in its states, in the default look and in a skin built in
// code, and saves one picture per look: controls_default.png and controls_skin.png in
// the folder given as the first argument (build/screens by default). Run it on a real
// display or under Xvfb.
#include "SheetSkin.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "platform/Fonts.h"
#include "skin/controls/vnSkinCtrls/Panel.h"
#include "skin/controls/vnSkinCtrls/StdLabel.h"

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
    Label(checked, skin, 12, 34, "Ampliação");

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

bool SaveSheet(const QString& folder, const QString& name, TvnSkinData* skin)
{
    TForm form;
    form.SetCaption("Quira controls");
    form.SetBounds(50, 50, 470, 270);
    form.SetClientWidth(470);
    form.SetClientHeight(270);
    AddContainers(form.ClientWidget(), skin);
    form.Show();
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
    const bool ok = SaveSheet(folder, "controls_default.png", nullptr)
        && SaveSheet(folder, "controls_skin.png", skin.Store());
    return ok ? 0 : 1;
}
