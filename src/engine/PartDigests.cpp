#include "engine/PartDigests.h"

#include "engine/Sha256.h"

#include <algorithm>
#include <new>

namespace {

constexpr std::size_t PageAlignment = 4096;

} // namespace

PartDigests::PartDigests() {
    m_partsThread = std::thread(&PartDigests::hashLoop, this, Parts);
    m_wholeThread = std::thread(&PartDigests::hashLoop, this, Whole);
}

PartDigests::~PartDigests() {
    {
        const std::lock_guard lock(m_mutex);
        m_abandoned = true;
    }
    m_changed.notify_all();
    m_partsThread.join();
    m_wholeThread.join();
}

bool PartDigests::waitForFreeSlot(std::unique_lock<std::mutex>& lock) {
    m_changed.wait(lock,
                   [this] { return m_failed || m_produced - std::min(m_done[Parts], m_done[Whole]) < SlotCount; });
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

std::optional<std::string> PartDigests::partDigest(std::size_t index) {
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [&] { return m_failed || m_digests.parts.size() > index; });
    if (m_failed)
        return std::nullopt;
    return m_digests.parts[index];
}

std::optional<PartDigests::Digests> PartDigests::finish() {
    std::unique_lock lock(m_mutex);
    m_finishing = true;
    m_changed.notify_all();
    m_changed.wait(lock, [this] { return m_failed || (m_finished[Parts] && m_finished[Whole]); });
    if (m_failed)
        return std::nullopt;
    return m_digests;
}

void PartDigests::hashLoop(Kind kind) {
    try {
        Sha256 hash;
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_changed.wait(lock, [&] { return m_abandoned || m_finishing || m_done[kind] < m_produced; });
            if (m_abandoned)
                return;
            if (m_done[kind] == m_produced)
                break; // finishing, and every slot is hashed
            const std::size_t index = m_done[kind] % SlotCount;
            const Slot slot = m_slots[index];
            const char* bytes = m_buffers[index].get();
            lock.unlock();
            std::string partDigest;
            if (slot.hasBytes)
                hash.update(bytes, slot.size);
            if (slot.endsPart && kind == Parts)
                partDigest = hash.hexDigest();
            lock.lock();
            if (!partDigest.empty())
                m_digests.parts.push_back(std::move(partDigest));
            ++m_done[kind];
            m_changed.notify_all();
        }
        lock.unlock();
        std::string whole = kind == Whole ? hash.hexDigest() : std::string();
        lock.lock();
        if (kind == Whole)
            m_digests.whole = std::move(whole);
        m_finished[kind] = true;
    } catch (const std::bad_alloc&) {
        const std::lock_guard lock(m_mutex);
        m_failed = true;
    }
    m_changed.notify_all();
}
