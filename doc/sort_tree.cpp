#include "doc/sort_tree.h"

#include <algorithm>
#include <thread>

namespace quenda {

namespace {

// Below this many pairs a second thread costs more than it saves.
constexpr std::size_t kParallelFrom = 1 << 16;

constexpr unsigned char FoldAscii(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

// The first eight bytes of `text` folded as _mbstricmp folds them, big-endian and padded with
// zeros, so that comparing two prefixes as numbers orders them as _mbstricmp would.
std::uint64_t FoldedPrefix(std::string_view text, CodePage cp) {
  std::uint64_t prefix = 0;
  bool secondByte = false;
  const std::size_t n = std::min<std::size_t>(text.size(), 8);
  for (std::size_t i = 0; i < n; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    prefix = (prefix << 8) | (secondByte ? c : FoldAscii(c));
    secondByte = cp == CodePage::Cp932 && !secondByte && IsLeadByte(c);
  }
  return n == 0 ? 0 : prefix << (8 * (8 - n));
}

std::uint64_t SizeCode(std::string_view text) { return std::min<std::size_t>(text.size(), 9); }

// Compares two texts whose folded prefixes are equal: by their size codes when the prefixes
// held them whole, else by `compareTexts()`, which reads the texts.
template <typename CompareTexts>
int CompareRest(std::uint64_t sizeA, std::uint64_t sizeB, CompareTexts compareTexts) {
  if (sizeA <= 8 && sizeB <= 8) return sizeA == sizeB ? 0 : (sizeA < sizeB ? -1 : 1);
  return compareTexts();
}

}  // namespace

void CStringTreeS::Insert(std::string_view key, std::string_view line) {
  m_pairs.push_back({FoldedPrefix(key, m_codePage), FoldedPrefix(line, m_codePage), m_pairs.size(),
                     SizeCode(key), SizeCode(line)});
  m_texts.push_back({key, line});
  m_ordered = false;
}

bool CStringTreeS::Less(const Pair& a, const Pair& b) const {
  if (a.keyPrefix != b.keyPrefix) return a.keyPrefix < b.keyPrefix;
  // The texts are looked up only when the prefixes cannot decide.
  const int keys = CompareRest(a.keySize, b.keySize, [&] {
    return _mbstricmp(m_texts[a.order].key, m_texts[b.order].key, m_codePage);
  });
  if (keys != 0) return keys < 0;
  if (a.linePrefix != b.linePrefix) return a.linePrefix < b.linePrefix;
  const int lines = CompareRest(a.lineSize, b.lineSize, [&] {
    return _mbstricmp(m_texts[a.order].line, m_texts[b.order].line, m_codePage);
  });
  if (lines != 0) return lines < 0;
  return a.order < b.order;
}

void CStringTreeS::Order() {
  if (m_ordered) return;
  auto less = [this](const Pair& a, const Pair& b) { return Less(a, b); };
  const auto begin = m_pairs.begin();
  const auto end = m_pairs.end();
  if (m_pairs.size() < kParallelFrom) {
    std::sort(begin, end, less);
  } else {
    // Two halves on two threads, then one merge.
    const auto mid = begin + static_cast<std::ptrdiff_t>(m_pairs.size() / 2);
    std::thread helper([&] { std::sort(mid, end, less); });
    std::sort(begin, mid, less);
    helper.join();
    std::inplace_merge(begin, mid, end, less);
  }
  m_ordered = true;
}

void CStringTreeS::AppendAscending(CExStringList& list) {
  Order();
  for (const Pair& pair : m_pairs) list.AddTail(m_texts[pair.order].line);
}

void CStringTreeS::AppendDescending(CExStringList& list) {
  Order();
  for (auto it = m_pairs.rbegin(); it != m_pairs.rend(); ++it) list.AddTail(m_texts[it->order].line);
}

void CStringTreeS::DeleteAll() {
  m_pairs = {};
  m_texts = {};
  m_ordered = true;
}

}  // namespace quenda
