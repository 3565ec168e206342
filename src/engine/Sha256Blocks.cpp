#include "engine/Sha256Blocks.h"

#if defined(__x86_64__)

#include <cpuid.h>
#include <immintrin.h>

#define PARCELON_SHA_TARGET __attribute__((target("sha,sse4.1,ssse3")))

namespace {

alignas(16) constexpr std::uint32_t RoundConstants[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2,
};

// The instructions keep the eight words as ABEF and CDGH.
struct Registers {
    __m128i abef;
    __m128i cdgh;
};

PARCELON_SHA_TARGET Registers load(const Sha256State& state) {
    const __m128i dcba = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state.words)), 0xB1);
    const __m128i efgh = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state.words + 4)), 0x1B);
    return {_mm_alignr_epi8(dcba, efgh, 8), _mm_blend_epi16(efgh, dcba, 0xF0)};
}

PARCELON_SHA_TARGET void store(const Registers& registers, Sha256State& state) {
    const __m128i feba = _mm_shuffle_epi32(registers.abef, 0x1B);
    const __m128i dchg = _mm_shuffle_epi32(registers.cdgh, 0xB1);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state.words), _mm_blend_epi16(feba, dchg, 0xF0));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(state.words + 4), _mm_alignr_epi8(dchg, feba, 8));
}

// The message words w[i..i+3] of one block with their round constants added, in big-endian
// order as SHA-256 reads them. `words` keeps the last four groups, as later groups need them;
// scheduling them as the rounds go keeps everything in registers.
PARCELON_SHA_TARGET inline __m128i scheduledWords(__m128i (&words)[4], const unsigned char* block, int i) {
    if (i < 4) {
        const __m128i byteSwap = _mm_set_epi64x(0x0c0d0e0f08090a0bULL, 0x0405060700010203ULL);
        words[i] = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * i)), byteSwap);
    } else {
        const __m128i& fourBack = words[i % 4];
        const __m128i& threeBack = words[(i + 1) % 4];
        const __m128i& twoBack = words[(i + 2) % 4];
        const __m128i& oneBack = words[(i + 3) % 4];
        const __m128i partial =
            _mm_add_epi32(_mm_sha256msg1_epu32(fourBack, threeBack), _mm_alignr_epi8(oneBack, twoBack, 4));
        words[i % 4] = _mm_sha256msg2_epu32(partial, oneBack);
    }
    return _mm_add_epi32(words[i % 4], _mm_load_si128(reinterpret_cast<const __m128i*>(RoundConstants + 4 * i)));
}

// Four rounds: two instructions, each taking two of the four words.
PARCELON_SHA_TARGET inline void fourRounds(Registers& r, __m128i wordsAndConstants) {
    r.cdgh = _mm_sha256rnds2_epu32(r.cdgh, r.abef, wordsAndConstants);
    r.abef = _mm_sha256rnds2_epu32(r.abef, r.cdgh, _mm_shuffle_epi32(wordsAndConstants, 0x0E));
}

PARCELON_SHA_TARGET void addInto(Registers& total, const Registers& start) {
    total.abef = _mm_add_epi32(total.abef, start.abef);
    total.cdgh = _mm_add_epi32(total.cdgh, start.cdgh);
}

} // namespace

bool processorHasSha256Instructions() {
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx))
        return false;
    const bool sse = (ecx & bit_SSSE3) && (ecx & bit_SSE4_1);
    if (!sse || !__get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx))
        return false;
    return (ebx & bit_SHA) != 0;
}

PARCELON_SHA_TARGET void sha256Blocks(Sha256State& state, const unsigned char* data, std::size_t blocks) {
    Registers registers = load(state);
    for (std::size_t block = 0; block < blocks; ++block, data += 64) {
        Registers working = registers;
        __m128i words[4];
#pragma GCC unroll 16
        for (int i = 0; i < 16; ++i)
            fourRounds(working, scheduledWords(words, data, i));
        addInto(working, registers);
        registers = working;
    }
    store(registers, state);
}

namespace {

// Both hashes' rounds interleaved, so that each fills the other's waits; with the same bytes
// the message words are scheduled once.
template <bool SameBytes>
PARCELON_SHA_TARGET void interleavedBlocks(Registers& one, const unsigned char* first, Registers& two,
                                           const unsigned char* second, std::size_t blocks) {
    for (std::size_t block = 0; block < blocks; ++block, first += 64, second += 64) {
        Registers workingOne = one;
        Registers workingTwo = two;
        __m128i firstWords[4];
        __m128i secondWords[4];
#pragma GCC unroll 16
        for (int i = 0; i < 16; ++i) {
            const __m128i firstScheduled = scheduledWords(firstWords, first, i);
            fourRounds(workingOne, firstScheduled);
            fourRounds(workingTwo, SameBytes ? firstScheduled : scheduledWords(secondWords, second, i));
        }
        addInto(workingOne, one);
        addInto(workingTwo, two);
        one = workingOne;
        two = workingTwo;
    }
}

} // namespace

PARCELON_SHA_TARGET void sha256BlocksTwice(Sha256State& firstState, const unsigned char* first,
                                           Sha256State& secondState, const unsigned char* second, std::size_t blocks) {
    Registers one = load(firstState);
    Registers two = load(secondState);
    if (first == second)
        interleavedBlocks<true>(one, first, two, second, blocks);
    else
        interleavedBlocks<false>(one, first, two, second, blocks);
    store(one, firstState);
    store(two, secondState);
}

#else

// Elsewhere libcrypto does all hashing; these are never called.
bool processorHasSha256Instructions() {
    return false;
}

void sha256Blocks(Sha256State&, const unsigned char*, std::size_t) {}

void sha256BlocksTwice(Sha256State&, const unsigned char*, Sha256State&, const unsigned char*, std::size_t) {}

#endif
