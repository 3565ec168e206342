#pragma once

#include "engine/Sha256Blocks.h"

#include <cstddef>
#include <cstdint>
#include <string>

struct evp_md_ctx_st;

// An incremental SHA-256, fast enough to run beside a copy in the same pass: on the processor's
// SHA instructions where there are any, otherwise on libcrypto (which uses them too, but cannot
// interleave two hashes). libcrypto fails here only when memory runs out; that throws
// std::bad_alloc rather than yield a wrong digest.
class Sha256 {
public:
    enum class Backend {
        Fastest, // the processor's instructions where there are any, else libcrypto
        Library, // libcrypto
    };

    explicit Sha256(Backend backend = Backend::Fastest);
    ~Sha256();
    Sha256(Sha256&& other) noexcept;
    Sha256& operator=(Sha256&& other) noexcept;
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void update(const void* data, std::size_t size);

    // Both hashes take the same bytes. On the processor's instructions the two run interleaved,
    // at little more than the cost of one; elsewhere one after the other.
    static void updateBoth(Sha256& first, Sha256& second, const void* data, std::size_t size);

    // True when updateBoth() costs little more than one update(): worth one thread for two hashes.
    static bool interleavesTwo(Backend backend);

    // Finishes the hash: 64 lowercase hex digits. Later updates start a new hash.
    std::string hexDigest();
    // The digest of the bytes so far; the hash goes on.
    std::string hexDigestSoFar() const;

private:
    // Processor path: completes a started block from `data`; the bytes it took.
    std::size_t fillPending(const unsigned char* data, std::size_t size);
    // Processor path: every whole block of `data` through the state, the rest kept for later.
    void absorb(const unsigned char* data, std::size_t size);
    void restart();
    // Processor path: the digest of what has been hashed, leaving the hash as it is.
    std::string processorDigest() const;

    evp_md_ctx_st* m_context = nullptr; // libcrypto's, when it does the hashing
    Sha256State m_state{};
    unsigned char m_pending[64]{};
    std::size_t m_pendingSize = 0;
    std::uint64_t m_length = 0; // bytes hashed since the start
};
