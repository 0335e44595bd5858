// Every test executable runs inside the product's own application object: widgets,
// fonts, timers, the event loop and the standard error box behave as for the user.
#include "framework/Application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    TQtApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
