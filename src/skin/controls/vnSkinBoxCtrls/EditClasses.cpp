#include "EditClasses.h"

#include "SkinEdit.h"
#include "framework/ClassRegistry.h"

void RegisterSkinEditClasses()
{
    RegisterClass<TvnSkinPopupMenu>();
    RegisterClass<TvnCustomEdit>();
    RegisterClass<TvnSkinCustomEdit>();
    RegisterClass<TvnSkinEdit>();
    RegisterClass<TvnSkinMaskEdit>();
}
