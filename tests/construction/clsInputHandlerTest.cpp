#include <gtest/gtest.h>

#include "construction/clsInputHandler.h"

TEST(clsInputHandler, placeholder) { EXPECT_EQ(clsInputHandler{}.NoInput('a'), 0); }
