#include "engine/PartDigests.h"

#include "engine/Sha256.h"

#include <algorithm>
#include <functional>
#include <new>

namespace {

constexpr std::size_t PageAlignment = 4096;

} // namespace

PartDigests::PartDigests(Sha256::Backend backend)
    : m_backend(backend) {
    if (Sha256::interleavesTwo(backend)) {
        m_lanes = 1;
        m_threads[0] = std::thread(&PartDigests::hashLoop, this, 0, Both);
    } else {
        m_lanes = 2;
        m_threads[0] = std::thread(&PartDigests::hashLoop, this, 0, Parts);
        m_threads[1] = std::thread(&PartDigests::hashLoop, this, 1, Whole);
    }
}

PartDigests::~PartDigests() {
    {
        const std::lock_guard lock(m_mutex);
        m_abandoned = true;
    }
    m_changed.notify_all();
    for (std::size_t lane = 0; lane < m_lanes; ++lane)
        m_threads[lane].join();
}

bool PartDigests::waitForFreeSlot(std::unique_lock<std::mutex>& lock) {
    m_changed.wait(lock,
                   [this] { return m_failed || m_produced - *std::min_element(m_done, m_done + m_lanes) < SlotCount; });
    return !m_failed;
}

char* PartDigests::nextBuffer() {
    std::unique_lock lock(m_mutex);
    if (!waitForFreeSlot(lock))
        return nullptr;
    std::unique_ptr<char, FreeBuffer>& buffer = m_buffers[m_produced % SlotCount];
    // A buffer off the page grid makes every copy to and from the page cache markedly slower.
    if (!buffer)
        buffer.reset(static_cast<char*>(std::aligned_alloc(PageAlignment, BufferSize)));
    return buffer.get();
}

void PartDigests::add(std::size_t size) {
    publish({size, true, false});
}

void PartDigests::endPart() {
    publish({0, false, true});
}

void PartDigests::publish(Slot slot) {
    {
        std::unique_lock lock(m_mutex);
        if (!waitForFreeSlot(lock))
            return;
        m_slots[m_produced % SlotCount] = slot;
        ++m_produced;
    }
    m_changed.notify_all();
}

void PartDigests::storePartDigest(std::size_t index, std::string digest) {
    {
        const std::lock_guard lock(m_mutex);
        if (m_partDigests.size() <= index)
            m_partDigests.resize(index + 1);
        m_partDigests[index] = std::move(digest);
    }
    m_changed.notify_all();
}

std::optional<std::string> PartDigests::partDigest(std::size_t index) {
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_failed || (index < m_partDigests.size() && m_partDigests[index]); });
    if (m_failed)
        return std::nullopt;
    return *m_partDigests[index];
}

std::optional<PartDigests::Digests> PartDigests::finish() {
    std::unique_lock lock(m_mutex);
    m_finishing = true;
    m_changed.notify_all();
    m_changed.wait(lock, [this] { return m_failed || std::all_of(m_finished, m_finished + m_lanes, std::identity()); });
    if (m_failed)
        return std::nullopt;
    Digests digests;
    digests.whole = m_wholeDigest;
    for (const std::optional<std::string>& digest : m_partDigests) {
        if (!digest)
            return std::nullopt; // never expected; a checksum file without it would be wrong
        digests.parts.push_back(*digest);
    }
    return digests;
}

void PartDigests::hashLoop(std::size_t lane, Kinds kinds) {
    try {
        Sha256 partHash(m_backend);
        Sha256 wholeHash(m_backend);
        std::size_t part = 0; // parts this thread has come to the end of
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_changed.wait(lock, [&] { return m_abandoned || m_finishing || m_done[lane] < m_produced; });
            if (m_abandoned)
                return;
            if (m_done[lane] == m_produced)
                break; // finishing, and every slot is hashed
            const std::size_t index = m_done[lane] % SlotCount;
            const Slot slot = m_slots[index];
            const char* bytes = m_buffers[index].get();
            lock.unlock();
            // The first part's bytes start the whole as well: its digest is the whole's so far.
            const bool firstFromWhole = part == 0;
            const bool hashPart = (kinds & Parts) && !firstFromWhole;
            if (slot.hasBytes) {
                if (hashPart && (kinds & Whole))
                    Sha256::updateBoth(partHash, wholeHash, bytes, slot.size);
                else if (hashPart)
                    partHash.update(bytes, slot.size);
                else if (kinds & Whole)
                    wholeHash.update(bytes, slot.size);
            }
            if (slot.endsPart) {
                if (hashPart)
                    storePartDigest(part, partHash.hexDigest());
                else if (firstFromWhole && (kinds & Whole))
                    storePartDigest(part, wholeHash.hexDigestSoFar());
                ++part;
            }
            lock.lock();
            ++m_done[lane];
            m_changed.notify_all();
        }
        lock.unlock();
        std::string whole = (kinds & Whole) ? wholeHash.hexDigest() : std::string();
        lock.lock();
        if (kinds & Whole)
            m_wholeDigest = std::move(whole);
        m_finished[lane] = true;
    } catch (const std::bad_alloc&) {
        const std::lock_guard lock(m_mutex);
        m_failed = true;
    }
    m_changed.notify_all();
}
