#include "DrawRecord.h"
#include <gtest/gtest.h>
TEST(Krz, Placeholder) { EXPECT_EQ(sizeof(kritz::DrawRecord), 12u); }
