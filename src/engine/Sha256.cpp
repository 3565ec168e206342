#include "engine/Sha256.h"

#include <new>
#include <openssl/evp.h>
#include <utility>

namespace {

void startHash(EVP_MD_CTX* context) {
    if (EVP_DigestInit_ex(context, EVP_sha256(), nullptr) != 1)
        throw std::bad_alloc();
}

} // namespace

Sha256::Sha256()
    : m_context(EVP_MD_CTX_new()) {
    if (!m_context)
        throw std::bad_alloc();
    try {
        startHash(m_context);
    } catch (...) {
        EVP_MD_CTX_free(m_context);
        throw;
    }
}

Sha256::~Sha256() {
    EVP_MD_CTX_free(m_context);
}

Sha256::Sha256(Sha256&& other) noexcept
    : m_context(std::exchange(other.m_context, nullptr)) {}

Sha256& Sha256::operator=(Sha256&& other) noexcept {
    std::swap(m_context, other.m_context);
    return *this;
}

void Sha256::update(const void* data, std::size_t size) {
    if (EVP_DigestUpdate(m_context, data, size) != 1)
        throw std::bad_alloc();
}

std::string Sha256::hexDigest() {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(m_context, digest, &length) != 1)
        throw std::bad_alloc();
    startHash(m_context);
    static constexpr char Digits[] = "0123456789abcdef";
    std::string text;
    text.reserve(2 * length);
    for (unsigned int i = 0; i < length; ++i) {
        text += Digits[digest[i] >> 4];
        text += Digits[digest[i] & 0x0f];
    }
    return text;
}
