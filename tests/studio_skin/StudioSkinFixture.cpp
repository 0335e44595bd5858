#include "StudioSkinFixture.h"

#include "app/Registration.h"

namespace studiotest {

TDM& ProgramDataModule()
{
    static TDM* dm = [] {
        RegisterQuiraClasses();
        return new TDM;
    }();
    return *dm;
}

const TvnSkinData& ProgramSkin() { return *ProgramDataModule().vnSkinData1; }

} // namespace studiotest
