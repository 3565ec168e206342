#pragma once

#include <cstddef>
#include <cstdint>

// SHA-256's compression function on the processor's SHA instructions, for one hash or for two
// at once. Two hashes interleaved keep the SHA unit busy where one waits on its own results, so
// a part's digest and the whole file's cost little more than one of them.
struct Sha256State {
    std::uint32_t words[8];
};

// True when this processor has the SHA instructions (and the SSE levels they come with).
bool processorHasSha256Instructions();

// Runs `blocks` blocks of 64 bytes through `state`. Only where processorHasSha256Instructions().
void sha256Blocks(Sha256State& state, const unsigned char* data, std::size_t blocks);

// As two sha256Blocks() calls, each state with its own data; `first` and `second` may be the same.
void sha256BlocksTwice(Sha256State& firstState, const unsigned char* first, Sha256State& secondState,
                       const unsigned char* second, std::size_t blocks);
