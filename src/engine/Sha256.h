#pragma once

#include <cstddef>
#include <string>

struct evp_md_ctx_st;

// An incremental SHA-256. libcrypto picks the processor's SHA instructions where there are any,
// which makes hashing fast enough to run beside a copy in the same pass. libcrypto fails here
// only when memory runs out; that throws std::bad_alloc rather than yield a wrong digest.
class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(Sha256&& other) noexcept;
    Sha256& operator=(Sha256&& other) noexcept;
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void update(const void* data, std::size_t size);

    // Finishes the hash: 64 lowercase hex digits. Later updates start a new hash.
    std::string hexDigest();

private:
    evp_md_ctx_st* m_context;
};
