#include "SkinControlClasses.h"

#include "Button.h"
#include "CheckRadioBox.h"
#include "Gauge.h"
#include "GraphicSkinControl.h"
#include "Panel.h"
#include "ScrollBar.h"
#include "StdLabel.h"
#include "UpDown.h"
#include "framework/ClassRegistry.h"
#include "skin/controls/vnDBGrids/DBGridClasses.h"
#include "skin/controls/vnSkinBoxCtrls/EditClasses.h"
#include "skin/controls/vnSkinDialogs/SkinMessage.h"
#include "skin/controls/vnSkinShellCtrls/SelDirDlg.h"
#include "skin/controls/vnSkinTabs/SkinTabClasses.h"
#include "skin/controls/vndbctrls/DBCtrlClasses.h"

void RegisterSkinControlClasses()
{
    RegisterClass<TvnSkinWinControl>();
    RegisterClass<TvnSkinControl>();
    RegisterClass<TvnSkinCustomControl>();
    RegisterClass<TvnGraphicSkinControl>();
    RegisterClass<TvnGraphicSkinCustomControl>();
    RegisterClass<TvnSkinStdLabel>();
    RegisterClass<TvnSkinPanel>();
    RegisterClass<TvnSkinGroupBox>();
    RegisterClass<TvnSkinButton>();
    RegisterClass<TvnSkinCheckRadioBox>();
    RegisterClass<TvnSkinScrollBar>();
    RegisterClass<TvnSkinGauge>();
    RegisterClass<TvnSkinUpDown>();
    RegisterClass<TvnSkinMessage>();
    events::RegisterEvent<QObject*, QPainter*, bool&, bool, bool, QRect>();
    RegisterSkinEditClasses();
    RegisterSkinTabClasses();
    RegisterShellCtrlsClasses();
    RegisterSkinGridClasses();
    RegisterDBControlClasses();
}
