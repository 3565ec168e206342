#include "EngineTestSupport.h"

#include "engine/PartDigests.h"
#include "engine/Sha256.h"

#include <gtest/gtest.h>
#include <numeric>

namespace {

std::string libraryDigest(const std::string& bytes) {
    Sha256 hash(Sha256::Backend::Library);
    hash.update(bytes.data(), bytes.size());
    return hash.hexDigest();
}

// Part sizes on and off the 64-byte block grid, so that the two interleaved hashes see their
// blocks at different offsets after the first part.
const std::vector<std::size_t> PartSizes = {1, 63, 64, 65, 1000, 0, 4097, 128, 70000, 55, 56};

} // namespace

TEST(Sha256, ProcessorInstructionsAgreeWithTheLibraryAtEveryLengthAndChunking) {
    const std::string bytes = scrambledBytes(70000);
    for (const std::size_t length : {0, 1, 55, 56, 63, 64, 65, 119, 120, 128, 1000, 4095, 70000}) {
        const std::string prefix = bytes.substr(0, length);
        for (const std::size_t chunk : {1, 63, 64, 65, 777, 70000}) {
            Sha256 fastest;
            for (std::size_t offset = 0; offset < length; offset += chunk)
                fastest.update(prefix.data() + offset, std::min(chunk, length - offset));
            EXPECT_EQ(fastest.hexDigest(), libraryDigest(prefix)) << "length " << length << ", chunks of " << chunk;
        }
    }
    Sha256 million;
    const std::string as(1000000, 'a');
    million.update(as.data(), as.size());
    EXPECT_EQ(million.hexDigest(), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

TEST(Sha256, BothHashesOfOneStreamMatchSeparateHashesAcrossRestarts) {
    const std::size_t total = std::accumulate(PartSizes.begin(), PartSizes.end(), std::size_t{0});
    const std::string bytes = scrambledBytes(total);
    for (const Sha256::Backend backend : {Sha256::Backend::Fastest, Sha256::Backend::Library}) {
        for (const std::size_t chunk : {1, 64, 777, 100000}) {
            Sha256 partHash(backend);
            Sha256 wholeHash(backend);
            std::size_t offset = 0;
            for (const std::size_t size : PartSizes) {
                for (std::size_t done = 0; done < size; done += std::min(chunk, size - done))
                    Sha256::updateBoth(partHash, wholeHash, bytes.data() + offset + done, std::min(chunk, size - done));
                EXPECT_EQ(partHash.hexDigest(), libraryDigest(bytes.substr(offset, size)))
                    << "part at " << offset << ", chunks of " << chunk;
                offset += size;
            }
            EXPECT_EQ(wholeHash.hexDigest(), libraryDigest(bytes)) << "chunks of " << chunk;
        }
    }
}

TEST(PartDigests, EveryPartAndTheWholeOnEitherBackend) {
    const std::size_t total = std::accumulate(PartSizes.begin(), PartSizes.end(), std::size_t{0});
    const std::string bytes = scrambledBytes(total);
    for (const Sha256::Backend backend : {Sha256::Backend::Fastest, Sha256::Backend::Library}) {
        PartDigests digests(backend);
        std::size_t offset = 0;
        for (const std::size_t size : PartSizes) {
            // More chunks than the digests have buffers, so that the copier waits for them.
            for (std::size_t done = 0; done < size; done += 97) {
                char* buffer = digests.nextBuffer();
                ASSERT_NE(buffer, nullptr);
                const std::size_t chunk = std::min<std::size_t>(97, size - done);
                std::copy_n(bytes.data() + offset + done, chunk, buffer);
                digests.add(chunk);
            }
            digests.endPart();
            offset += size;
        }
        const std::optional<PartDigests::Digests> done = digests.finish();
        ASSERT_TRUE(done);
        ASSERT_EQ(done->parts.size(), PartSizes.size());
        offset = 0;
        for (std::size_t index = 0; index < PartSizes.size(); ++index) {
            EXPECT_EQ(done->parts[index], libraryDigest(bytes.substr(offset, PartSizes[index]))) << "part " << index;
            offset += PartSizes[index];
        }
        EXPECT_EQ(done->whole, libraryDigest(bytes));
    }
}
