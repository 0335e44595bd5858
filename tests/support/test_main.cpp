// Every test executable runs inside one QApplication, as the product does: widgets,
// fonts, timers and the event loop behave as they will for the user.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
