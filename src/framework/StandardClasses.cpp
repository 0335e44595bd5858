#include "StandardClasses.h"

#include "ClassRegistry.h"
#include "ImageList.h"
#include "comctrls/PageControl.h"
#include "comctrls/StatusBar.h"
#include "comctrls/TreeView.h"
#include "data/DataClasses.h"
#include "grids/DrawGrid.h"
#include "stdctrls/Button.h"
#include "stdctrls/Edit.h"
#include "stdctrls/Image.h"
#include "stdctrls/Label.h"
#include "stdctrls/ListBox.h"
#include "stdctrls/MaskEdit.h"

void RegisterStandardClasses()
{
    RegisterClass<TEdit>();
    RegisterClass<TMaskEdit>();
    RegisterClass<TButton>();
    RegisterClass<TLabel>();
    RegisterClass<TImage>();
    RegisterClass<TListBox>();
    RegisterClass<TImageList>();
    RegisterClass<TPageControl>();
    RegisterClass<TTabSheet>();
    RegisterClass<TStatusBar>();
    RegisterClass<TDrawGrid>();
    TDrawGrid::RegisterEvents();
    RegisterClass<TTreeView>();
    TTreeView::RegisterEvents();
    RegisterDataClasses();
}
