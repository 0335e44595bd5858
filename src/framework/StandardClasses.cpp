#include "StandardClasses.h"

#include "ClassRegistry.h"
#include "ImageList.h"
#include "data/DataClasses.h"
#include "stdctrls/Button.h"
#include "stdctrls/Edit.h"
#include "stdctrls/Image.h"
#include "stdctrls/Label.h"
#include "stdctrls/ListBox.h"

void RegisterStandardClasses()
{
    RegisterClass<TEdit>();
    RegisterClass<TButton>();
    RegisterClass<TLabel>();
    RegisterClass<TImage>();
    RegisterClass<TListBox>();
    RegisterClass<TImageList>();
    RegisterDataClasses();
}
