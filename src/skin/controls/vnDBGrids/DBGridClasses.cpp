#include "DBGridClasses.h"

#include "SkinDBGrid.h"
#include "framework/ClassRegistry.h"

void RegisterSkinGridClasses()
{
    RegisterClass<TvnSkinCustomGrid>();
    RegisterClass<TvnSkinCustomDBGrid>();
    RegisterClass<TvnSkinDBGrid>();
    TvnSkinCustomDBGrid::RegisterEvents();
}
