#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Memory blocks handed over by address between the host and a component (a selected-fields
// array, a serialised filter). Every block handed out is recorded with its size: a member given
// an address reads only a live recorded block and never past its size, and the receiver frees
// the block here. Addresses are the blocks' real addresses, so no two live blocks share one.
namespace vantorel::com {

// What a block holds, as its maker said: for printing it back.
enum class BlockKind { Bytes, Ints };

// A new zero-filled block of `bytes` bytes; 0 when it cannot be allocated or is beyond 1 GiB.
[[nodiscard]] intptr_t newBlock(size_t bytes);
// A new block holding `values` (32-bit integers) or `bytes`.
[[nodiscard]] intptr_t newIntBlock(std::span<const int32_t> values);
[[nodiscard]] intptr_t newByteBlock(std::string_view bytes);

// The size of the live block at `address`; nothing when `address` is not the start of one.
[[nodiscard]] std::optional<size_t> blockSize(intptr_t address);
[[nodiscard]] std::optional<BlockKind> blockKind(intptr_t address);
// A copy of a live block's bytes, or of the whole 32-bit integers it holds.
[[nodiscard]] std::optional<std::string> readByteBlock(intptr_t address);
[[nodiscard]] std::optional<std::vector<int32_t>> readIntBlock(intptr_t address);

// Frees a live block; false (and nothing happens) for any other address.
bool freeBlock(intptr_t address);
[[nodiscard]] size_t liveBlockCount();

}  // namespace vantorel::com
