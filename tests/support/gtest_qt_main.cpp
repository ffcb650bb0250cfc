#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Widget tests need a QApplication; pure tests do not mind one.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A window the test builds without a settings store of its own reads and
    // writes the program's file: a fresh one for each run, never the user's.
    QTemporaryDir config;
    if (config.isValid())
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
