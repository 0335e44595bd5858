// skinart: paints the studio skin (or the feature skin) and writes its folder.
//
//   skinart FOLDER             writes FOLDER/skin.ini and the BMP files it names
//   skinart --feature FOLDER   the same for the feature skin, which uses every feature
//                              of the skinned frame (assets/featureskin)
//
// The product's skin folder is assets/skin; the build packs it into the program. The
// artwork is drawn without text, so the pictures do not depend on installed fonts, and
// every texture has a fixed seed, so running the tool again gives the same files.
#include "FeatureSkin.h"
#include "MenuArt.h"
#include "StudioSkin.h"

#include <QCoreApplication>
#include <QTextStream>
#include <exception>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool feature = args.size() == 3 && args[1] == QLatin1String("--feature");
    if (args.size() != 2 && !feature) {
        QTextStream(stderr) << "usage: skinart [--feature] FOLDER\n";
        return 2;
    }
    try {
        art::TSkinBuilder skin;
        skin.SkinAuthor = QStringLiteral("Quira");
        if (feature) {
            skin.SkinName = QStringLiteral("Quira Features");
            skin.SkinComments
                = QStringLiteral("Every feature of the skinned frame, painted by tools/skinart");
            art::AddFeatureFrame(skin);
            art::AddFeatureMenus(skin);
            art::AddSkinColors(skin);
        } else {
            skin.SkinName = QStringLiteral("Quira Studio");
            skin.SkinComments = QStringLiteral("Dark studio skin painted by tools/skinart");
            art::AddFrame(skin);
            art::AddMenus(skin, art::kStudioMenus);
            art::AddSkinColors(skin);
            art::AddButtons(skin);
            art::AddCheckBoxes(skin);
            art::AddLabels(skin);
            art::AddPanels(skin);
            art::AddScrollBars(skin);
            art::AddTabs(skin);
            art::AddEdits(skin);
            art::AddLists(skin);
            art::AddGauges(skin);
        }
        skin.Write(args.last(), QStringLiteral("skin.ini"));
    } catch (const std::exception& error) {
        QTextStream(stderr) << "skinart: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
