#include "platform/com/Blocks.h"

#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <new>

namespace vantorel::com {
namespace {

struct Registry {
  std::mutex mutex;
  std::map<intptr_t, std::pair<std::unique_ptr<std::byte[]>, size_t>> blocks;
};

Registry& registry() {
  // Never destroyed: blocks may be freed by objects torn down after static destruction starts.
  static auto* instance = new Registry;
  return *instance;
}

// Blocks are small (a field list, a filter); a request beyond this is a fault, refused.
constexpr size_t kLargestBlock = size_t{1} << 30;

intptr_t record(const void* source, size_t bytes) {
  if (bytes > kLargestBlock) return 0;
  std::unique_ptr<std::byte[]> memory(new (std::nothrow) std::byte[bytes == 0 ? 1 : bytes]());
  if (!memory) return 0;
  if (source && bytes) std::memcpy(memory.get(), source, bytes);
  const auto address = reinterpret_cast<intptr_t>(memory.get());
  Registry& r = registry();
  const std::lock_guard lock(r.mutex);
  r.blocks.emplace(address, std::make_pair(std::move(memory), bytes));
  return address;
}

}  // namespace

intptr_t newBlock(size_t bytes) {
  return record(nullptr, bytes);
}

intptr_t newIntBlock(std::span<const int32_t> values) {
  return record(values.data(), values.size_bytes());
}

intptr_t newByteBlock(std::string_view bytes) {
  return record(bytes.data(), bytes.size());
}

std::optional<size_t> blockSize(intptr_t address) {
  Registry& r = registry();
  const std::lock_guard lock(r.mutex);
  const auto it = r.blocks.find(address);
  if (it == r.blocks.end()) return std::nullopt;
  return it->second.second;
}

std::optional<std::string> readByteBlock(intptr_t address) {
  Registry& r = registry();
  const std::lock_guard lock(r.mutex);
  const auto it = r.blocks.find(address);
  if (it == r.blocks.end()) return std::nullopt;
  return std::string(reinterpret_cast<const char*>(it->second.first.get()), it->second.second);
}

std::optional<std::vector<int32_t>> readIntBlock(intptr_t address) {
  Registry& r = registry();
  const std::lock_guard lock(r.mutex);
  const auto it = r.blocks.find(address);
  if (it == r.blocks.end()) return std::nullopt;
  std::vector<int32_t> values(it->second.second / sizeof(int32_t));
  if (!values.empty()) std::memcpy(values.data(), it->second.first.get(), values.size() * sizeof(int32_t));
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
