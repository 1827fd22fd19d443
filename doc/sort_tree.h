// CStringTreeS: orders (key, line) pairs. Keys compare first, whole lines break ties, both
// with _mbstricmp; pairs equal in both keep their insertion order, and the descending walk is
// the exact reverse of the ascending one. Pairs are collected and ordered once, when first
// walked, in O(n log n) whatever the input order; no pair is ever dropped.
//
// The tree refers to the texts it is given: they must outlive the walk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "doc/line_list.h"
#include "platform/code_page.h"
#include "platform/progress.h"

namespace quenda {

class CStringTreeS {
 public:
  explicit CStringTreeS(CodePage cp) : m_codePage(cp) {}

  void Insert(std::string_view key, std::string_view line);
  // Append the stored lines to `list` with AddTail, smallest / largest pair first.
  void AppendAscending(CExStringList& list);
  void AppendDescending(CExStringList& list);
  void DeleteAll();

  std::size_t size() const { return m_pairs.size(); }

 private:
  // What the ordering moves: small, and enough to decide most comparisons without touching
  // the texts.
  struct Pair {
    std::uint64_t keyPrefix;   // first 8 folded bytes of the key, big-endian
    std::uint64_t linePrefix;  // the same of the line
    std::uint64_t order : 56;  // insertion order: the index of the texts, and the last tie-break
    std::uint64_t keySize : 4;   // the key's length up to 9: 8 or less means the prefix is all
    std::uint64_t lineSize : 4;  // the same of the line
  };
  struct Texts {
    std::string_view key;
    std::string_view line;
  };
  bool Less(const Pair& a, const Pair& b) const;
  void Order();

  CodePage m_codePage;
  std::vector<Pair> m_pairs;
  std::vector<Texts> m_texts;
  bool m_ordered = true;
};

}  // namespace quenda
