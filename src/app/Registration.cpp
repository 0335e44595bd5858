#include "Registration.h"

#include "app/uVerImg/WebBrowser.h"
#include "framework/ClassRegistry.h"
#include "framework/StandardClasses.h"
#include "skin/controls/accessibility/Accessibility.h"
#include "skin/controls/vnSkinCtrls/SkinControlClasses.h"
#include "skin/data/vnSkinData/SkinDataClasses.h"
#include "skin/form/Veneerform/Veneerform.h"

#include <QtGlobal>

static void InitResources() { Q_INIT_RESOURCE(forms); }

void RegisterQuiraClasses()
{
    InitResources();
    RegisterStandardClasses();
    RegisterSkinDataClasses();
    RegisterSkinControlClasses();
    veneer::RegisterSkinFormClasses();
    RegisterClass<TWebBrowser>();
    vnaccess::InstallSkinAccessibility();
}
