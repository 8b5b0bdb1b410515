#include <gtest/gtest.h>

#include "core/ModuleInitialiser.h"
#include "core/Runtime.h"

// The runtime makes the application itself; the tests run on its GUI thread.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no display.
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    if (dirdock::StartRuntime(dirdock::ProgramDescriptor, dirdock::RuntimeVersion) == 0)
        return 1;
    const int result = RUN_ALL_TESTS();
    dirdock::CloseDownRuntime();
    return result;
}
