#include "DrawRecord.h"
#include <gtest/gtest.h>
TEST(Format, Size) { EXPECT_EQ(sizeof(kritz::DrawRecord), 12u); }
