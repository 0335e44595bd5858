#include "DBCtrlClasses.h"

#include "DBCtrlGrid.h"
#include "DBText.h"
#include "framework/ClassRegistry.h"

void RegisterDBControlClasses()
{
    RegisterClass<TvnSkinDBText>();
    RegisterClass<TvnSkinDBCtrlGrid>();
    events::RegisterEvent<QObject*, int, QPainter*, QRect>();
}
