#include <gtest/gtest.h>

#include "platform/com/Blocks.h"

namespace vantorel::com {
namespace {

TEST(Blocks, HandedOverBlocksReadBackWithinTheirSizeAndFreeOnce) {
  const size_t before = liveBlockCount();
  const int32_t fields[] = {4, 0, 3, 5};
  const intptr_t ints = newIntBlock(fields);
  const intptr_t bytes = newByteBlock(std::string_view("\x0a\x0b\x0c", 3));
  ASSERT_NE(ints, 0);
  ASSERT_NE(bytes, 0);
  EXPECT_EQ(liveBlockCount(), before + 2);
  EXPECT_EQ(blockSize(ints), 16u);
  EXPECT_EQ(blockKind(ints), BlockKind::Ints);
  EXPECT_EQ(blockKind(bytes), BlockKind::Bytes);
  EXPECT_EQ(readIntBlock(ints), (std::vector<int32_t>{4, 0, 3, 5}));
  EXPECT_EQ(readByteBlock(bytes), std::string("\x0a\x0b\x0c", 3));
  // Three bytes hold no whole integer: nothing is read past the block.
  EXPECT_EQ(readIntBlock(bytes), std::vector<int32_t>{});
  // An address inside a block is not a block.
  EXPECT_FALSE(blockSize(ints + 4));
  EXPECT_FALSE(readIntBlock(ints + 4));
  EXPECT_TRUE(freeBlock(ints));
  EXPECT_FALSE(freeBlock(ints));
  EXPECT_FALSE(readIntBlock(ints));
  EXPECT_FALSE(freeBlock(0));
  EXPECT_FALSE(readByteBlock(0));
  EXPECT_TRUE(freeBlock(bytes));
  EXPECT_EQ(liveBlockCount(), before);
}

TEST(Blocks, EmptyBlocksAreDistinctLiveBlocks) {
  const intptr_t a = newBlock(0);
  const intptr_t b = newIntBlock({});
  ASSERT_NE(a, 0);
  EXPECT_NE(a, b);
  EXPECT_EQ(blockSize(a), 0u);
  EXPECT_EQ(readByteBlock(b), std::string());
  EXPECT_TRUE(freeBlock(a));
  EXPECT_TRUE(freeBlock(b));
  EXPECT_EQ(newBlock(SIZE_MAX / 2), 0);  // refused, not a crash
}

}  // namespace
}  // namespace vantorel::com
