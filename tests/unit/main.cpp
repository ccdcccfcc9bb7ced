#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

int main(int argc, char** argv) {
    // Dates in the tests are UTC unless a test chooses a zone of its own.
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
