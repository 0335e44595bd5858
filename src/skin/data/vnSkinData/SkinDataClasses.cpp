#include "SkinDataClasses.h"

#include "SkinData.h"
#include "framework/ClassRegistry.h"

void RegisterSkinDataClasses()
{
    RegisterClass<TvnSkinData>();
    RegisterClass<TvnCompressedStoredSkin>();
    RegisterClass<TvnCompressedSkinList>();
    RegisterClass<TvnResourceStrData>();
}
