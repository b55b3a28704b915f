// Every test binary runs in the arithmetic environment of the build it tests.
#include <gtest/gtest.h>

#include "horn/arithmetic.hpp"

int main(int argc, char** argv) {
    setArithmeticEnvironment();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
