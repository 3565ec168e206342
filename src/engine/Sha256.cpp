#include "engine/Sha256.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <openssl/evp.h>
#include <utility>

namespace {

constexpr std::size_t BlockSize = 64;

constexpr Sha256State InitialState = {
    {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a, 0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19}};

bool useProcessor(Sha256::Backend backend) {
    static const bool available = processorHasSha256Instructions();
    return backend == Sha256::Backend::Fastest && available;
}

void startHash(EVP_MD_CTX* context) {
    if (EVP_DigestInit_ex(context, EVP_sha256(), nullptr) != 1)
        throw std::bad_alloc();
}

std::string hexOf(const unsigned char* digest, std::size_t length) {
    static constexpr char Digits[] = "0123456789abcdef";
    std::string text;
    text.reserve(2 * length);
    for (std::size_t i = 0; i < length; ++i) {
        text += Digits[digest[i] >> 4];
        text += Digits[digest[i] & 0x0f];
    }
    return text;
}

} // namespace

Sha256::Sha256(Backend backend)
    : m_state(InitialState) {
    if (useProcessor(backend))
        return;
    m_context = EVP_MD_CTX_new();
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
    : m_context(std::exchange(other.m_context, nullptr))
    , m_state(other.m_state)
    , m_pendingSize(other.m_pendingSize)
    , m_length(other.m_length) {
    std::memcpy(m_pending, other.m_pending, sizeof m_pending);
}

Sha256& Sha256::operator=(Sha256&& other) noexcept {
    std::swap(m_context, other.m_context);
    std::swap(m_state, other.m_state);
    std::swap(m_pending, other.m_pending);
    std::swap(m_pendingSize, other.m_pendingSize);
    std::swap(m_length, other.m_length);
    return *this;
}

bool Sha256::interleavesTwo(Backend backend) {
    return useProcessor(backend);
}

void Sha256::update(const void* data, std::size_t size) {
    if (m_context) {
        if (EVP_DigestUpdate(m_context, data, size) != 1)
            throw std::bad_alloc();
        return;
    }
    m_length += size;
    absorb(static_cast<const unsigned char*>(data), size);
}

void Sha256::updateBoth(Sha256& first, Sha256& second, const void* data, std::size_t size) {
    if (first.m_context || second.m_context) {
        first.update(data, size);
        second.update(data, size);
        return;
    }
    const auto* bytes = static_cast<const unsigned char*>(data);
    first.m_length += size;
    second.m_length += size;
    const std::size_t firstStart = first.fillPending(bytes, size);
    const std::size_t secondStart = second.fillPending(bytes, size);
    // After a part that ended off the block grid the two see their blocks at different offsets.
    const std::size_t blocks = std::min(size - firstStart, size - secondStart) / BlockSize;
    sha256BlocksTwice(first.m_state, bytes + firstStart, second.m_state, bytes + secondStart, blocks);
    const std::size_t firstDone = firstStart + blocks * BlockSize;
    const std::size_t secondDone = secondStart + blocks * BlockSize;
    first.absorb(bytes + firstDone, size - firstDone);
    second.absorb(bytes + secondDone, size - secondDone);
}

std::size_t Sha256::fillPending(const unsigned char* data, std::size_t size) {
    if (m_pendingSize == 0)
        return 0;
    const std::size_t taken = std::min(BlockSize - m_pendingSize, size);
    std::memcpy(m_pending + m_pendingSize, data, taken);
    m_pendingSize += taken;
    if (m_pendingSize == BlockSize) {
        sha256Blocks(m_state, m_pending, 1);
        m_pendingSize = 0;
    }
    return taken;
}

void Sha256::absorb(const unsigned char* data, std::size_t size) {
    const std::size_t taken = fillPending(data, size);
    data += taken;
    size -= taken;
    const std::size_t blocks = size / BlockSize;
    sha256Blocks(m_state, data, blocks);
    data += blocks * BlockSize;
    size -= blocks * BlockSize;
    // Either the pending block was completed above or nothing is left.
    std::memcpy(m_pending + m_pendingSize, data, size);
    m_pendingSize += size;
}

void Sha256::restart() {
    m_state = InitialState;
    m_pendingSize = 0;
    m_length = 0;
}

std::string Sha256::hexDigest() {
    if (m_context) {
        unsigned char digest[EVP_MAX_MD_SIZE];
        unsigned int length = 0;
        if (EVP_DigestFinal_ex(m_context, digest, &length) != 1)
            throw std::bad_alloc();
        startHash(m_context);
        return hexOf(digest, length);
    }
    std::string text = processorDigest();
    restart();
    return text;
}

std::string Sha256::hexDigestSoFar() const {
    if (!m_context)
        return processorDigest();
    const std::unique_ptr<EVP_MD_CTX, void (*)(EVP_MD_CTX*)> copy(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!copy || EVP_MD_CTX_copy_ex(copy.get(), m_context) != 1 || EVP_DigestFinal_ex(copy.get(), digest, &length) != 1)
        throw std::bad_alloc();
    return hexOf(digest, length);
}

std::string Sha256::processorDigest() const {
    // The padding: a 1 bit, zeros, and the length in bits, filling one or two blocks.
    unsigned char tail[2 * BlockSize] = {};
    std::memcpy(tail, m_pending, m_pendingSize);
    tail[m_pendingSize] = 0x80;
    const std::size_t tailSize = m_pendingSize + 1 + 8 <= BlockSize ? BlockSize : 2 * BlockSize;
    const std::uint64_t bits = m_length * 8;
    for (std::size_t i = 0; i < 8; ++i)
        tail[tailSize - 1 - i] = static_cast<unsigned char>(bits >> (8 * i));
    Sha256State state = m_state;
    sha256Blocks(state, tail, tailSize / BlockSize);
    unsigned char digest[32];
    for (std::size_t i = 0; i < 8; ++i)
        for (std::size_t byte = 0; byte < 4; ++byte)
            digest[4 * i + byte] = static_cast<unsigned char>(state.words[i] >> (24 - 8 * byte));
    return hexOf(digest, sizeof digest);
}
