// Every test executable runs inside the product's own application object: widgets,
// fonts, timers, the event loop, the windowing platform and the standard error box
// behave as for the user.
#include "framework/Application.h"
#include "platform/Desktop.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // In a Wayland session the tests run where the program runs.
    platform::ChooseWindowingPlatform(argc, argv);
    TQtApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
