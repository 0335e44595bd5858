// Quira's entry: the windowing platform (chosen once, before the application exists),
// the application, the main window, the data module (whose creation loads the skin and
// resolves the main window's references to it), then the message loop, which shows the
// main window and with it the login.
#include "app/Registration.h"
#include "app/uDM/uDM.h"
#include "app/uPrincipal/uPrincipal.h"
#include "framework/Application.h"
#include "framework/Exception.h"
#include "platform/Desktop.h"

int main(int argc, char** argv)
{
    platform::ChooseWindowingPlatform(argc, argv);
    TQtApplication app(argc, argv);
    try {
        RegisterQuiraClasses();
        frmPrincipal = new TfrmPrincipal(Application());
        DM = new TDM(Application());
        return Application()->Run();
    } catch (const std::exception& error) {
        // Nothing could be shown yet: the program cannot start.
        Application()->HandleException(error);
        return 1;
    }
}
