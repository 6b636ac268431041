// Test entry point for the layers without windows (core).
#include <gtest/gtest.h>

#include "tests/support/scratch_in_memory.h"
#include "tests/support/tests_of_file.h"

int main(int argc, char** argv)
{
    tarvelon::testing::PutScratchFoldersInMemory();
    ::testing::InitGoogleTest(&argc, argv);
    if (!tarvelon::testing::SelectTestsOfFile(argc, argv))
        return 1;
    return RUN_ALL_TESTS();
}
