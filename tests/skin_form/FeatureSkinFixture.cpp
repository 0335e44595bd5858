#include "FeatureSkinFixture.h"

#include "FrameFixture.h"
#include "skin/data/vnSkinData/CompressedStoredSkin.h"

namespace frametest {

TvnSkinData& FeatureSkin()
{
    static TvnSkinData* skin = [] {
        ProgramSkin(); // the classes the store needs are registered with the program's
        static TvnCompressedStoredSkin stored;
        const bool packed = stored.CompressFromIniFile(QStringLiteral(QUIRA_FEATURE_SKIN_DIR "/skin.ini"));
        EXPECT_TRUE(packed) << "the feature skin's folder";
        auto* store = new TvnSkinData;
        store->LoadCompressedSkin(&stored);
        return store;
    }();
    return *skin;
}

} // namespace frametest
