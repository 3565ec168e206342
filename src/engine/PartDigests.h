#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// The SHA-256 of every part and of the whole source, computed while a split copies. Each
// digest runs on a thread of its own, so that hashing every byte twice costs little more time
// than copying: the copier puts each chunk's bytes into a buffer from here and hands it back in
// source order; the buffer is reused once both digests have taken it in.
class PartDigests {
public:
    static constexpr std::size_t BufferSize = std::size_t{1} << 20;

    PartDigests();
    ~PartDigests(); // ends the threads, also when the split did not finish
    PartDigests(const PartDigests&) = delete;
    PartDigests& operator=(const PartDigests&) = delete;

    // A buffer of BufferSize bytes for the next chunk; waits while every buffer is being hashed.
    // nullptr when memory ran out.
    char* nextBuffer();
    // The chunk just written from the buffer of the last nextBuffer(); size may be 0.
    void add(std::size_t size);
    // The current part has ended; the next bytes belong to the next part.
    void endPart();

    // The digest of part `index` (counted from 0), once its endPart() is hashed; waits for it.
    // std::nullopt when a hashing thread failed.
    std::optional<std::string> partDigest(std::size_t index);

    struct Digests {
        std::vector<std::string> parts; // one per endPart(), in order
        std::string whole;              // of every byte added
    };
    // Waits for the hashing to catch up; std::nullopt when a hashing thread failed.
    std::optional<Digests> finish();

private:
    struct Slot {
        std::size_t size = 0;
        bool hasBytes = false;
        bool endsPart = false;
    };
    struct FreeBuffer {
        void operator()(char* buffer) const { std::free(buffer); }
    };
    enum Kind { Parts = 0, Whole = 1 };

    void hashLoop(Kind kind);
    void publish(Slot slot);
    // Waits until the next slot is free; false when a hashing thread failed. Needs m_mutex held.
    bool waitForFreeSlot(std::unique_lock<std::mutex>& lock);

    static constexpr std::size_t SlotCount = 8;
    // Slot i holds the bytes of buffer i; both are reused once both threads are past the slot.
    std::unique_ptr<char, FreeBuffer> m_buffers[SlotCount];
    Slot m_slots[SlotCount];
    std::size_t m_produced = 0; // slots handed over so far
    std::size_t m_done[2] = {0, 0};
    bool m_finished[2] = {false, false};
    bool m_finishing = false; // finish(): hash what is left, then end
    bool m_abandoned = false; // the destructor: end now
    bool m_failed = false;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    Digests m_digests;
    std::thread m_partsThread;
    std::thread m_wholeThread;
};
