#include "platform/code_page.h"

#include <iconv.h>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace quenda {

const char* CodePageName(CodePage cp) { return cp == CodePage::Utf8 ? "UTF-8" : "CP932"; }

namespace {

// Length of the valid UTF-8 sequence at s[0], or 0 when it is not valid (overlong forms,
// surrogates and code points above U+10FFFF are invalid).
std::size_t Utf8SequenceLength(const unsigned char* s, std::size_t n) {
  const unsigned char c = s[0];
  if (c < 0x80) return 1;
  auto cont = [&](std::size_t i) { return i < n && (s[i] & 0xC0) == 0x80; };
  if (c >= 0xC2 && c <= 0xDF) return cont(1) ? 2 : 0;
  if (c >= 0xE0 && c <= 0xEF) {
    if (!cont(1) || !cont(2)) return 0;
    if (c == 0xE0 && s[1] < 0xA0) return 0;  // overlong
    if (c == 0xED && s[1] > 0x9F) return 0;  // surrogate
    return 3;
  }
  if (c >= 0xF0 && c <= 0xF4) {
    if (!cont(1) || !cont(2) || !cont(3)) return 0;
    if (c == 0xF0 && s[1] < 0x90) return 0;
    if (c == 0xF4 && s[1] > 0x8F) return 0;
    return 4;
  }
  return 0;
}

}  // namespace

char32_t Utf8CharAt(std::string_view text, std::size_t i, std::size_t& length) {
  const auto* s = reinterpret_cast<const unsigned char*>(text.data()) + i;
  length = Utf8SequenceLength(s, text.size() - i);
  if (length == 0) {
    length = 1;
    return 0xFFFD;
  }
  char32_t c = length == 1 ? s[0] : s[0] & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) c = (c << 6) | (s[k] & 0x3F);
  return c;
}

bool IsValidUtf8(std::string_view bytes) {
  const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t n = bytes.size();
  std::size_t i = 0;
  while (i < n) {
    // ASCII runs are the common case: check sixteen or eight bytes at a time.
#ifdef __SSE2__
    while (i + 16 <= n &&
           _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i))) == 0) {
      i += 16;
    }
#endif
    while (i + 8 <= n) {
      std::uint64_t word;
      std::memcpy(&word, s + i, 8);
      if (word & 0x8080808080808080ull) break;
      i += 8;
    }
    if (i >= n) break;
    if (s[i] < 0x80) {
      ++i;
      continue;
    }
    const std::size_t len = Utf8SequenceLength(s + i, n - i);
    if (len == 0) return false;
    i += len;
  }
  return true;
}

namespace {

constexpr unsigned char FoldAscii(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}

}  // namespace

int _mbstricmp(std::string_view a, std::string_view b, CodePage cp) {
  const auto* x = reinterpret_cast<const unsigned char*>(a.data());
  const auto* y = reinterpret_cast<const unsigned char*>(b.data());
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  // Up to the first difference both texts have the same characters, so one lead-byte state
  // serves both.
  bool secondByte = false;
  for (std::size_t i = 0; i < n; ++i) {
    unsigned char c = x[i];
    unsigned char d = y[i];
    if (!secondByte) {
      c = FoldAscii(c);
      d = FoldAscii(d);
    }
    if (c != d) return c < d ? -1 : 1;
    secondByte = cp == CodePage::Cp932 && !secondByte && IsLeadByte(x[i]);
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

namespace {

std::string DecodeUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t len = Utf8SequenceLength(s + i, bytes.size() - i);
    if (len == 0) {
      out += "\xEF\xBF\xBD";
      ++i;
    } else {
      out.append(bytes.substr(i, len));
      i += len;
    }
  }
  return out;
}

// A character iconv cannot convert becomes U+FFFD and is skipped (both bytes of a lead byte).
std::string DecodeCp932(std::string_view bytes) {
  constexpr std::string_view bad = "\xEF\xBF\xBD";
  std::string out;
  iconv_t cd = iconv_open("UTF-8", "CP932");
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(bytes);
  out.resize(bytes.size() * 3 + 16);
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  char* dst = out.data();
  std::size_t outLeft = out.size();
  while (inLeft > 0) {
    if (iconv(cd, &in, &inLeft, &dst, &outLeft) != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) {
      const std::size_t used = dst - out.data();
      out.resize(out.size() * 2);
      dst = out.data() + used;
      outLeft = out.size() - used;
      continue;
    }
    // EILSEQ or EINVAL: replace the offending character and go on after it.
    std::size_t skip = 1;
    if (inLeft >= 2 && IsLeadByte(static_cast<unsigned char>(*in))) skip = 2;
    if (outLeft < bad.size()) {
      const std::size_t used = dst - out.data();
      out.resize(out.size() * 2 + bad.size());
      dst = out.data() + used;
      outLeft = out.size() - used;
    }
    std::memcpy(dst, bad.data(), bad.size());
    dst += bad.size();
    outLeft -= bad.size();
    in += skip;
    inLeft -= skip;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  out.resize(dst - out.data());
  iconv_close(cd);
  return out;
}

}  // namespace

std::string DecodeToUtf8(std::string_view bytes, CodePage cp) {
  if (cp == CodePage::Utf8) return DecodeUtf8(bytes);
  return DecodeCp932(bytes);
}

}  // namespace quenda
