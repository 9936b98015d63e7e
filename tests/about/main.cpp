#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // The about box is driven without a display wherever the tests are started.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
