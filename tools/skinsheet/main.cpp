// skinsheet: the skin's contact sheet, one PNG showing the window frame at three sizes
// (active and inactive), a window laid out like the product's main window, and every
// record of the skin in each of its states, followed by the skin's pictures.
//
//   skinsheet OUT.png              the skin built into the program (the data module's)
//   skinsheet OUT.png SKIN.ini     a skin folder, packed and loaded with the store's code
//   skinsheet --window OUT.png SKIN.ini
//                                  a form in the skin shown on the screen (an X server,
//                                  e.g. xvfb-run) with its caption animation part-way
//
// A skin with animated objects (the feature skin) also gets the frame drawn by the frame
// component itself in the states that show each of its features.
//
// The build's target contact-sheet writes build/skin/contact-sheet.png.
#include "ContactSheet.h"
#include "FrameFeatures.h"
#include "Previews.h"
#include "app/Registration.h"
#include "app/uDM/uDM.h"
#include "framework/Application.h"
#include "framework/Exception.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>
#include <algorithm>
#include <map>
#include <memory>

using namespace sheet;

namespace {

// The section a control record is shown in.
QString FamilyOf(const TvnDataSkinControl& r)
{
    const auto is = [&r]<class T>(const T*) { return dynamic_cast<const T*>(&r) != nullptr; };
    if (is((const TvnDataSkinButtonControl*)nullptr)) return QStringLiteral("Buttons");
    if (is((const TvnDataSkinCheckRadioControl*)nullptr))
        return QStringLiteral("Check boxes and radio buttons");
    if (is((const TvnDataSkinStdLabelControl*)nullptr)) return QStringLiteral("Labels");
    if (is((const TvnDataSkinScrollBarControl*)nullptr) || is((const TvnDataSkinUpDownControl*)nullptr))
        return QStringLiteral("Scroll bars and up-downs");
    if (is((const TvnDataSkinTabControl*)nullptr)) return QStringLiteral("Page controls");
    if (is((const TvnDataSkinEditControl*)nullptr) || is((const TvnDataSkinComboBox*)nullptr)
        || is((const TvnDataSkinSpinEditControl*)nullptr))
        return QStringLiteral("Edits, combo boxes and spin edits");
    if (is((const TvnDataSkinGridControl*)nullptr) || is((const TvnDataSkinListBox*)nullptr)
        || is((const TvnDataSkinTreeView*)nullptr) || is((const TvnDataSkinListView*)nullptr)
        || is((const TvnDataSkinRichEdit*)nullptr))
        return QStringLiteral("Grids, lists and views");
    if (is((const TvnDataSkinGaugeControl*)nullptr) || is((const TvnDataSkinTrackBarControl*)nullptr)
        || is((const TvnDataSkinSlider*)nullptr) || is((const TvnDataSkinBevel*)nullptr))
        return QStringLiteral("Gauges, track bars, slider and bevel");
    if (is((const TvnDataSkinMainMenuBar*)nullptr)) return QStringLiteral("Main menu bar");
    return QStringLiteral("Panels, group boxes, bars and splitters");
}

QImage ContactSheet(TvnSkinData& skin)
{
    TContactSheet page(1720);
    page.Section(
        QStringLiteral("Window frame at three sizes, active and inactive (all caption buttons enabled)"));
    page.Add(FramePreviews(skin));
    page.Section(QStringLiteral("A window laid out like the main window, drawn from the skin"));
    page.Add(SampleWindow(skin));
    const bool animated = std::any_of(skin.FrameObjects().begin(), skin.FrameObjects().end(),
        [](const auto& r) { return dynamic_cast<const TvnDataSkinAnimate*>(r.get()) != nullptr; });
    if (animated) {
        page.Section(QStringLiteral("The frame as the frame component draws it: each feature"));
        page.Add(FrameFeaturePreviews(skin));
    }
    page.Section(QStringLiteral("Caption buttons and the menu bar's buttons"));
    page.Add(CaptionButtonPreviews(skin));
    page.Section(QStringLiteral("Popup menu and hint window"));
    page.Add(MenuPreviews(skin));

    // Control records, grouped by family, in the order the skin lists them.
    std::vector<QString> families;
    std::map<QString, TTiles> tiles;
    for (const auto& record : skin.ControlSkins()) {
        const QString family = FamilyOf(*record);
        if (!tiles.count(family)) families.push_back(family);
        const TTiles more = ControlPreviews(skin, *record);
        tiles[family].insert(tiles[family].end(), more.begin(), more.end());
    }
    for (const QString& family : families) {
        page.Section(family);
        page.Add(tiles[family]);
    }
    page.Section(QStringLiteral("The skin's pictures as stored"));
    page.Add(PicturePreviews(skin));
    return page.Render();
}

} // namespace

int main(int argc, char** argv)
{
    // A window on the screen needs the display; a sheet is drawn off screen.
    const bool onScreen = argc > 1 && qstrcmp(argv[1], "--window") == 0;
    if (!onScreen && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    TQtApplication app(argc, argv);
    QStringList args = app.arguments();
    const bool window = args.size() == 4 && args[1] == QLatin1String("--window");
    if (window) args.removeAt(1);
    if (args.size() != 2 && args.size() != 3) {
        QTextStream(stderr) << "usage: skinsheet [--window] OUT.png [SKIN.ini]\n";
        return 2;
    }
    try {
        RegisterQuiraClasses();
        std::unique_ptr<TDM> dm;
        TvnCompressedStoredSkin stored;
        TvnSkinData own;
        TvnSkinData* skin = &own;
        if (args.size() == 3) {
            if (!stored.CompressFromIniFile(args[2]))
                throw Exception(QStringLiteral("%1 is no skin description").arg(args[2]));
            own.LoadCompressedSkin(&stored);
        } else {
            dm = std::make_unique<TDM>();
            skin = dm->vnSkinData1;
        }
        if (skin->Empty()) throw Exception(QStringLiteral("no skin is loaded"));
        const QImage page = window ? WindowOnScreen(*skin) : ContactSheet(*skin);
        const QFileInfo out(args[1]);
        QDir().mkpath(out.absolutePath());
        if (!page.save(out.absoluteFilePath(), "PNG"))
            throw Exception(QStringLiteral("cannot write %1").arg(out.absoluteFilePath()));
        QTextStream(stdout) << out.absoluteFilePath() << ": " << page.width() << " x " << page.height()
                            << '\n';
    } catch (const Exception& error) {
        QTextStream(stderr) << "skinsheet: " << error.Message() << '\n';
        return 1;
    }
    return 0;
}
