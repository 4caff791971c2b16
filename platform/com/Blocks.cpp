#include "platform/com/Blocks.h"

#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <new>

namespace vantorel::com {
namespace {

struct Block {
  std::unique_ptr<std::byte[]> memory;
  size_t size = 0;
  BlockKind kind = BlockKind::Bytes;
};

struct Registry {
  std::mutex mutex;
  std::map<intptr_t, Block> blocks;
};

Registry& registry() {
  // Never destroyed: blocks may be freed by objects torn down after static destruction starts.
  static auto* instance = new Registry;
  return *instance;
}

// Blocks are small (a field list, a filter); a request beyond this is a fault, refused.
constexpr size_t kLargestBlock = size_t{1} << 30;

intptr_t record(const void* source, size_t bytes, BlockKind kind) {
  if (bytes > kLargestBlock) return 0;
  std::unique_ptr<std::byte[]> memory(new (std::nothrow) std::byte[bytes == 0 ? 1 : bytes]());
  if (!memory) return 0;
  if (source && bytes) std::memcpy(memory.get(), source, bytes);
  const auto address = reinterpret_cast<intptr_t>(memory.get());
  Registry& r = registry();
  const std::lock_guard lock(r.mutex);
  r.blocks.emplace(address, Block{std::move(memory), bytes, kind});
  return address;
}

}  // namespace

intptr_t newBlock(size_t bytes) {
  return record(nullptr, bytes, BlockKind::Bytes);
}

intptr_t newIntBlock(std::span<const int32_t> values) {
  return record(values.data(), values.size_bytes(), BlockKind::Ints);
}

intptr_t newByteBlock(std::string_view bytes) {
  return record(bytes.data(), bytes.size(), BlockKind::Bytes);
}

std::optional<size_t> blockSize(intptr_t address) {
  Registry& r = registry();
  const std::lock_guard lock(r.mutex);
  const auto it = r.blocks.find(address);
  if (it == r.blocks.end()) return std::nullopt;
  return it->second.size;
}

std::optional<BlockKind> blockKind(intptr_t address) {
  Registry& r = registry();
  const std::lock_guard lock(r.mutex);
  const auto it = r.blocks.find(address);
  if (it == r.blocks.end()) return std::nullopt;
  return it->second.kind;
}

std::optional<std::string> readByteBlock(intptr_t address) {
  Registry& r = registry();
  const std::lock_guard lock(r.mutex);
  const auto it = r.blocks.find(address);
  if (it == r.blocks.end()) return std::nullopt;
  return std::string(reinterpret_cast<const char*>(it->second.memory.get()), it->second.size);
}

std::optional<std::vector<int32_t>> readIntBlock(intptr_t address) {
  Registry& r = registry();
  const std::lock_guard lock(r.mutex);
  const auto it = r.blocks.find(address);
  if (it == r.blocks.end()) return std::nullopt;
  std::vector<int32_t> values(it->second.size / sizeof(int32_t));
  if (!values.empty()) std::memcpy(values.data(), it->second.memory.get(), values.size() * sizeof(int32_t));
  return values;
}

bool freeBlock(intptr_t address) {
  Registry& r = registry();
  const std::lock_guard lock(r.mutex);
  return r.blocks.erase(address) == 1;
}

size_t liveBlockCount() {
  Registry& r = registry();
  const std::lock_guard lock(r.mutex);
  return r.blocks.size();
}

}  // namespace vantorel::com
