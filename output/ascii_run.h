#pragma once

// Copies a run of ASCII UTF-16 units to bytes, many units a step, in code that is fast at any
// optimisation level: SSE2 where the target has it, 64-bit words elsewhere.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64) || (defined(_M_IX86_FP) && _M_IX86_FP >= 2)
#define ORVANE_ASCII_RUN_SSE2 1
#include <emmintrin.h>
#endif

namespace orvane::ascii_run {

// Units a block step looks at.
#ifdef ORVANE_ASCII_RUN_SSE2
constexpr std::ptrdiff_t kBlock = 16;
#else
constexpr std::ptrdiff_t kBlock = 4;
#endif

// Stores the low bytes of the kBlock units at `s` to `out`, whether or not they are ASCII, and
// returns how many units from `s` on are ASCII (kBlock when all are). The caller must have room
// for kBlock bytes, and the bytes after the ASCII ones are left for it to overwrite.
inline int copyBlock(const char16_t *s, unsigned char *out) {
#ifdef ORVANE_ASCII_RUN_SSE2
    const __m128i low = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s));
    const __m128i high = _mm_loadu_si128(reinterpret_cast<const __m128i *>(s + 8));
    // Adding 0x7F80 with unsigned saturation sets the top bit of exactly the units above 0x7F;
    // the signed pack then keeps that bit, one byte a unit, for the mask.
    const __m128i bias = _mm_set1_epi16(0x7F80);
    const int wide =
        _mm_movemask_epi8(_mm_packs_epi16(_mm_adds_epu16(low, bias), _mm_adds_epu16(high, bias)));
    // The unsigned pack gives every ASCII unit its own byte.
    _mm_storeu_si128(reinterpret_cast<__m128i *>(out), _mm_packus_epi16(low, high));
    return wide == 0 ? int(kBlock) : std::countr_zero(unsigned(wide));
#else
    std::uint64_t units;
    std::memcpy(&units, s, sizeof units);
    // The bytes go out in memory order whatever the byte order of the word.
    for (int k = 0; k < 4; ++k) out[k] = static_cast<unsigned char>(s[k]);
    const std::uint64_t wide = units & 0xFF80FF80FF80FF80ULL;
    if (wide == 0) return int(kBlock);
    if constexpr (std::endian::native == std::endian::little) return std::countr_zero(wide) / 16;
    if constexpr (std::endian::native == std::endian::big) return std::countl_zero(wide) / 16;
    int ascii = 0;
    while (s[ascii] <= 0x7F) ++ascii;
    return ascii;
#endif
}

// Copies the ASCII units from `s` on, up to the first other unit or `end`, and advances both
// pointers past them. The caller must have room for 3 bytes a unit up to `end`: a block step
// may store up to kBlock bytes past the run, which the units after it overwrite, as each of
// them takes at least one byte.
inline void copy(const char16_t *&s, const char16_t *end, unsigned char *&out) {
    while (end - s >= kBlock) {
        const int ascii = copyBlock(s, out);
        s += ascii;
        out += ascii;
        if (ascii < kBlock) return;
    }
    while (s < end && *s <= 0x7F) *out++ = static_cast<unsigned char>(*s++);
}

}  // namespace orvane::ascii_run
