#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "doc/document.h"
#include "doc/sort_tree.h"

namespace quenda {
namespace {

using L = std::vector<std::string>;

L Walk(const CExStringList& list) {
  L lines;
  for (POSITION pos = list.GetHeadPosition(); pos;) lines.emplace_back(list.GetNext(pos));
  return lines;
}

CExStringList ListOf(const L& lines) {
  CExStringList list;
  for (const std::string& line : lines) list.AddTail(line);
  return list;
}

L Sorted(const L& lines, SortSpec spec, CodePage cp = CodePage::Utf8) {
  CExStringList out;
  EXPECT_TRUE(SortLines(ListOf(lines), spec, cp, out));
  return Walk(out);
}

TEST(CStringTreeS, EmptyTreeAppendsNothing) {
  CStringTreeS tree(CodePage::Utf8);
  CExStringList list;
  tree.AppendAscending(list);
  EXPECT_EQ(list.GetCount(), 0u);
}

TEST(CStringTreeS, KeysFirstThenWholeLinesThenInsertionOrder) {
  CStringTreeS tree(CodePage::Utf8);
  const L lines = {"b 2", "B 1", "a 9", "b 1", "A 9", "b 1"};
  const L keys = {"b", "B", "a", "b", "A", "b"};
  for (std::size_t i = 0; i < lines.size(); ++i) tree.Insert(keys[i], lines[i]);
  CExStringList up, down;
  tree.AppendAscending(up);
  tree.AppendDescending(down);
  // "a 9"/"A 9" and "B 1"/"b 1"/"b 1" are equal pairs: kept, in insertion order.
  EXPECT_EQ(Walk(up), (L{"a 9", "A 9", "B 1", "b 1", "b 1", "b 2"}));
  L reversed = Walk(up);
  std::reverse(reversed.begin(), reversed.end());
  EXPECT_EQ(Walk(down), reversed);
}

TEST(CStringTreeS, AcceptsNewPairsAfterDeleteAll) {
  CStringTreeS tree(CodePage::Utf8);
  tree.Insert("z", "z");
  tree.DeleteAll();
  tree.Insert("y", "y");
  tree.Insert("x", "x");
  CExStringList list;
  tree.AppendAscending(list);
  EXPECT_EQ(Walk(list), (L{"x", "y"}));
}

TEST(SortLines, ByItemWithTheHeaderOption) {
  const L lines = {"id\tname", "3\tcarol", "1\tAlice", "2\tbob"};
  struct Case {
    SortSpec spec;
    L expected;
  } cases[] = {
      {{1, true, true}, {"id\tname", "1\tAlice", "2\tbob", "3\tcarol"}},
      {{1, false, true}, {"id\tname", "3\tcarol", "2\tbob", "1\tAlice"}},
      {{0, true, false}, {"1\tAlice", "2\tbob", "3\tcarol", "id\tname"}},
      {{0, false, false}, {"id\tname", "3\tcarol", "2\tbob", "1\tAlice"}},
      // Lines without the item sort by an empty key, first in ascending order.
      {{5, true, true}, {"id\tname", "1\tAlice", "2\tbob", "3\tcarol"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Sorted(lines, c.spec), c.expected)
        << "item " << c.spec.item << " asc " << c.spec.ascending << " header " << c.spec.keepFirstLine;
  }
}

TEST(SortLines, EdgeCases) {
  // A single line, with the header kept, is unchanged; an empty header line comes back first.
  EXPECT_EQ(Sorted({"only"}, {0, true, true}), L{"only"});
  EXPECT_EQ(Sorted({"", "b", "a"}, {0, false, true}), (L{"", "b", "a"}));
  EXPECT_EQ(Sorted({}, {0, true, true}), L{});
  // A quoted key sorts by its opening quote, before the letters.
  EXPECT_EQ(Sorted({"b", "\"c\"", "a"}, {0, true, false}), (L{"\"c\"", "a", "b"}));
  // Empty items gather, ordered by their whole lines.
  EXPECT_EQ(Sorted({"z\tb", "y\t", "x\ta", "w\t"}, {1, true, false}),
            (L{"w\t", "y\t", "x\ta", "z\tb"}));
  // A short line with no such item: an empty key, never dropped.
  EXPECT_EQ(Sorted({"1\tb\tx", "2\ta\ty", "3"}, {2, true, false}),
            (L{"3", "1\tb\tx", "2\ta\ty"}));
}

TEST(SortLines, Cp932SecondBytesAreNotFolded) {
  // ア (0x83 0x41) and ャ (0x83 0x61) differ only in a second byte that a careless fold would
  // lower-case; 表 (0x95 0x5C) has a backslash second byte.
  const std::string a = "\x83\x41", ya = "\x83\x61", hyo = "\x95\x5C";
  EXPECT_EQ(Sorted({ya + "\t1", hyo + "\t2", a + "\t3", "B\t4", "a\t5"}, {0, true, false}, CodePage::Cp932),
            (L{"a\t5", "B\t4", a + "\t3", ya + "\t1", hyo + "\t2"}));
}

// A plain stable sort by item 1 of one-TAB lines, with the same comparison.
L ReferenceSort(L lines) {
  std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
    const std::string_view ka = std::string_view(a).substr(a.find('\t') + 1);
    const std::string_view kb = std::string_view(b).substr(b.find('\t') + 1);
    if (const int c = _mbstricmp(ka, kb, CodePage::Utf8)) return c < 0;
    return _mbstricmp(a, b, CodePage::Utf8) < 0;
  });
  return lines;
}

TEST(SortLines, AnyInputOrderMatchesAReferenceSort) {
  // Random, sorted and reverse-sorted inputs of a size that takes the two-thread path. Keys
  // that differ only in case are equal pairs and must keep their input order.
  std::mt19937 random(7);
  L lines;
  for (int i = 0; i < 70000; ++i) {
    const int key = static_cast<int>(random() % 500);
    lines.push_back(std::to_string(i % 13) + "\t" + (i % 2 ? "K" : "k") + std::to_string(key));
  }
  const L sorted = ReferenceSort(lines);
  for (const L& input : {lines, sorted, L(sorted.rbegin(), sorted.rend())}) {
    const L expected = ReferenceSort(input);
    EXPECT_EQ(Sorted(input, {1, true, false}), expected);
    EXPECT_EQ(Sorted(input, {1, false, false}), L(expected.rbegin(), expected.rend()));
  }
}

TEST(SortLines, CancelledLeavesTheResultUntouched) {
  Progress progress;
  progress.cancel = true;
  CExStringList out;
  out.AddTail("previous");
  EXPECT_FALSE(SortLines(ListOf({"b", "a"}), {0, true, false}, CodePage::Utf8, out, &progress));
  EXPECT_EQ(Walk(out), L{"previous"});
}

}  // namespace
}  // namespace quenda
