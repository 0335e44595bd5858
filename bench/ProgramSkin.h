#pragma once
// The studio skin the program carries, loaded once per benchmark program through the
// program's own data module, so that benchmarks paint exactly what the windows show.
#include "app/Registration.h"
#include "app/uDM/uDM.h"

inline TvnSkinData& ProgramSkin()
{
    static TDM* dm = [] {
        RegisterQuiraClasses();
        return new TDM;
    }();
    return *dm->vnSkinData1;
}
