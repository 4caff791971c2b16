#pragma once

#include <cstdint>
#include <utility>

#include "dravix/core/FilterConditions.h"
#include "platform/com/Blocks.h"

namespace vantorel::dravix {

// The serialised filter built by FilterLength until FilterMemory hands it over; a block never
// handed over is freed with the control.
class FilterBlockHolder {
 public:
  FilterBlockHolder() = default;
  FilterBlockHolder(const FilterBlockHolder&) = delete;
  FilterBlockHolder& operator=(const FilterBlockHolder&) = delete;
  ~FilterBlockHolder() { reset(); }

  void reset(intptr_t block = 0) {
    if (block_) com::freeBlock(block_);
    block_ = block;
  }
  // The block's address; the holder forgets it.
  intptr_t release() { return std::exchange(block_, 0); }

 private:
  intptr_t block_ = 0;
};

// What the control keeps of its filter: the conditions, the dialog's last field and radio
// choice, and the block built last with its condition count.
struct FilterState {
  Filter filter;
  int lastField = 0;  // field number
  int lastType = -1;  // radio choice 0-4; -1 none yet
  FilterBlockHolder block;
  int blockCount = 0;
};

}  // namespace vantorel::dravix
