#include "SkinTabClasses.h"

#include "SkinPageControl.h"
#include "SkinTabSheet.h"
#include "framework/ClassRegistry.h"

void RegisterSkinTabClasses()
{
    RegisterClass<TvnSkinPageControl>();
    RegisterClass<TvnSkinCustomTabSheet>();
    RegisterClass<TvnSkinTabSheet>();
    events::RegisterEvent<QObject*, QObject*, bool&>();
    events::RegisterEvent<QObject*, int, QRect, QPainter*, bool, bool>();
}
