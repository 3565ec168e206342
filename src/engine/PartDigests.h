#pragma once

#include "engine/Sha256.h"

#include <condition_variable>
#include <cstddef>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

// The SHA-256 of every part and of the whole source, computed while a copy runs, so that hashing
// every byte twice costs little more time than copying: one thread runs both digests interleaved
// where the processor has SHA instructions, otherwise each digest has a thread of its own; the
// first part's digest is the whole's at its end. The copier puts each chunk's bytes into a buffer
// from here and hands it back in source order; the buffer is reused once every hashing thread
// has taken it in.
class PartDigests {
public:
    static constexpr std::size_t BufferSize = std::size_t{1} << 20;

    explicit PartDigests(Sha256::Backend backend = Sha256::Backend::Fastest);
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
    enum Kinds : unsigned { Parts = 1, Whole = 2, Both = Parts | Whole };

    void hashLoop(std::size_t lane, Kinds kinds);
    void publish(Slot slot);
    void storePartDigest(std::size_t index, std::string digest);
    // Waits until the next slot is free; false when a hashing thread failed. Needs m_mutex held.
    bool waitForFreeSlot(std::unique_lock<std::mutex>& lock);

    static constexpr std::size_t SlotCount = 8;
    // Slot i holds the bytes of buffer i; both are reused once both threads are past the slot.
    std::unique_ptr<char, FreeBuffer> m_buffers[SlotCount];
    Slot m_slots[SlotCount];
    std::size_t m_produced = 0;                // slots handed over so far
    static constexpr std::size_t MaxLanes = 2; // hashing threads
    std::size_t m_lanes = 0;
    std::size_t m_done[MaxLanes] = {0, 0}; // slots each hashing thread is past
    bool m_finished[MaxLanes] = {false, false};
    bool m_finishing = false; // finish(): hash what is left, then end
    bool m_abandoned = false; // the destructor: end now
    bool m_failed = false;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::optional<std::string>> m_partDigests; // by part; the first comes from the whole
    std::string m_wholeDigest;
    Sha256::Backend m_backend;
    std::thread m_threads[MaxLanes];
};
