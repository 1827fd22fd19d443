#include "doc/line_list.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace quenda {
namespace {

std::vector<std::string> Walk(const CExStringList& list) {
  std::vector<std::string> lines;
  for (POSITION pos = list.GetHeadPosition(); pos;) lines.emplace_back(list.GetNext(pos));
  return lines;
}

TEST(CExStringList, EmptyList) {
  CExStringList list;
  EXPECT_FALSE(list.GetHeadPosition());
  EXPECT_EQ(list.GetCount(), 0u);
  list.RemoveAll();
  EXPECT_EQ(list.GetCount(), 0u);
}

TEST(CExStringList, AddTailAndAddHeadKeepOrderAndCopyTheText) {
  CExStringList list;
  std::string text = "b";
  list.AddTail(text);
  text = "changed";  // the list holds its own copy
  list.AddTail("c");
  list.AddHead("a");
  list.AddTail("");
  EXPECT_EQ(Walk(list), (std::vector<std::string>{"a", "b", "c", ""}));
  EXPECT_EQ(list.GetCount(), 4u);
  EXPECT_EQ(list.GetAt(2), "c");
}

TEST(CExStringList, GetAtReachesAnyLineAndTheWalkEndsAfterTheLast) {
  CExStringList list;
  for (int i = 0; i < 25; ++i) list.AddTail(std::to_string(i));
  EXPECT_EQ(list.GetAt(23), "23");
  POSITION pos = list.GetHeadPosition();
  for (int i = 0; i < 24; ++i) list.GetNext(pos);
  EXPECT_EQ(list.GetNext(pos), "24");
  EXPECT_FALSE(pos);
}

TEST(CExStringList, KeepsBytesOfAnyKindAndLength) {
  CExStringList list;
  const std::string binary("a\0b\r\x1A\xFF", 6);
  const std::string longLine(100000, 'x');
  list.AddTail(binary);
  list.AddTail(longLine);
  for (int i = 0; i < 1000; ++i) list.AddTail(std::string(i % 50, 'y'));
  EXPECT_EQ(list.GetAt(0), binary);
  EXPECT_EQ(list.GetAt(1), longLine);
  EXPECT_EQ(list.GetAt(1001), std::string(999 % 50, 'y'));
}

TEST(CExStringList, RemoveAllThenReuse) {
  CExStringList list;
  for (int i = 0; i < 11; ++i) list.AddTail("line");
  list.RemoveAll();
  EXPECT_EQ(list.GetCount(), 0u);
  EXPECT_FALSE(list.GetHeadPosition());
  list.AddTail("again");
  EXPECT_EQ(Walk(list), std::vector<std::string>{"again"});
}

TEST(CExStringList, AdoptTakesTheBlockWithoutCopying) {
  ByteBlock block = AllocateByteBlock(6);
  std::memcpy(block.get(), "onetwo", 6);
  const char* bytes = block.get();
  CExStringList list = CExStringList::Adopt(std::move(block), 6, {{bytes, 3}, {bytes + 3, 3}});
  EXPECT_EQ(Walk(list), (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(list.GetAt(1).data(), bytes + 3);
  list.AddTail("three");
  EXPECT_EQ(list.GetAt(2), "three");
}

}  // namespace
}  // namespace quenda

namespace quenda {
namespace {

TEST(CExStringList, SharedBlocksOutliveTheListTheyCameFrom) {
  CExStringList reordered;
  const char* firstByte = nullptr;
  {
    CExStringList source;
    source.AddTail("alpha");
    source.AddTail("beta");
    firstByte = source.GetAt(0).data();
    reordered.ShareBlocksOf(source);
    reordered.AddTail(source.GetAt(1));
    reordered.AddTail(source.GetAt(0));
    reordered.AddTail("new text");
  }
  EXPECT_EQ(reordered.GetAt(0), "beta");
  EXPECT_EQ(reordered.GetAt(1), "alpha");
  EXPECT_EQ(reordered.GetAt(1).data(), firstByte) << "shared, not copied";
  EXPECT_EQ(reordered.GetAt(2), "new text");
}

}  // namespace
}  // namespace quenda
