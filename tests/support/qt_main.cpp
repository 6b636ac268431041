// Test entry point for the layers with windows: one QApplication for the whole program,
// offscreen unless a display was asked for.
#include <QApplication>
#include <gtest/gtest.h>

#include "tests/support/scratch_in_memory.h"
#include "tests/support/tests_of_file.h"

int main(int argc, char** argv)
{
    tarvelon::testing::PutScratchFoldersInMemory();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (!tarvelon::testing::SelectTestsOfFile(argc, argv))
        return 1;
    return RUN_ALL_TESTS();
}
