#include <gtest/gtest.h>
#include "support/fakePlatform.h"
TEST(placeholder, fakes) { fakePlatform p; EXPECT_FALSE(p.programFolder().empty()); }
