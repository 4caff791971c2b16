#include "host/bookmarks/ComponentSites.h"

#include "host/components/CDataAnal.h"
#include "host/components/CPeriodTable.h"
#include "platform/com/Blocks.h"

namespace vantorel::bookmarks {

DataAnalSite::DataAnalSite(host::CDataAnal& control, std::function<void()> showScreen)
    : control_(control), showScreen_(std::move(showScreen)) {}

void DataAnalSite::showDataAnalyser() {
  if (showScreen_) showScreen_();
}

int16_t DataAnalSite::GetTable() {
  return control_.GetTable();
}

std::vector<int32_t> DataAnalSite::GetSelectedFields() {
  const intptr_t block = control_.GetSelectedFields();
  std::vector<int32_t> fields = com::readIntBlock(block).value_or(std::vector<int32_t>());
  com::freeBlock(block);
  return fields;
}

int32_t DataAnalSite::GetColumnWidth(int16_t index) {
  return control_.GetColumnWidth(index);
}
int16_t DataAnalSite::GetBMSorG() {
  return control_.GetBMSorG();
}
int16_t DataAnalSite::GetGraphType() {
  return control_.GetGraphType();
}
bool DataAnalSite::GetShowLabels() {
  return control_.GetShowLabels();
}
bool DataAnalSite::GetAxis() {
  return control_.GetAxis();
}
int32_t DataAnalSite::GetGraphFields() {
  return control_.GetGraphFields();
}
int16_t DataAnalSite::GetSortColumn() {
  return control_.GetSortColumn();
}
int32_t DataAnalSite::GetFilterLength() {
  return control_.GetFilterLength();
}
int16_t DataAnalSite::GetFilterNum() {
  return control_.GetFilterNum();
}

std::optional<std::string> DataAnalSite::FilterMemory() {
  const intptr_t block = control_.FilterMemory();
  if (!block) return std::nullopt;
  std::optional<std::string> bytes = com::readByteBlock(block);
  com::freeBlock(block);
  return bytes;
}

void DataAnalSite::SetBMSorG(int16_t value) {
  control_.SetBMSorG(value);
}
void DataAnalSite::SetAxis(bool value) {
  control_.SetAxis(value);
}
void DataAnalSite::SetGraphType(int16_t value) {
  control_.SetGraphType(value);
}
void DataAnalSite::SetShowLabels(bool value) {
  control_.SetShowLabels(value);
}
void DataAnalSite::SetTable(int16_t index) {
  control_.SetTable(index);
}
void DataAnalSite::SetSortColumn(int16_t value) {
  control_.SetSortColumn(value);
}

void DataAnalSite::SetFilter(int32_t length, int16_t num, const std::string& block) {
  const intptr_t address = com::newByteBlock(block);
  if (!address) return;
  control_.SetFilter(length, num, address);
  com::freeBlock(address);
}

void DataAnalSite::SetSelectedFields(const std::vector<int32_t>& fields) {
  const intptr_t address = com::newIntBlock(fields);
  if (!address) return;
  control_.SetSelectedFields(address);
  com::freeBlock(address);
}

void DataAnalSite::SetColumnWidth(int16_t index, int32_t width) {
  control_.SetColumnWidth(index, width);
}
void DataAnalSite::SetGraphFields(int32_t value) {
  control_.SetGraphFields(value);
}

PeriodicTableSite::PeriodicTableSite(host::CPeriodTable& control, std::function<void()> showScreen)
    : control_(control), showScreen_(std::move(showScreen)) {}

int32_t PeriodicTableSite::getMode() {
  return control_.GetMode();
}
int32_t PeriodicTableSite::getExtra() {
  return control_.GetExtra();
}
void PeriodicTableSite::setState(int32_t mode, int32_t extra) {
  control_.SetState(mode, extra);
}
void PeriodicTableSite::showPeriodicTable() {
  if (showScreen_) showScreen_();
}

}  // namespace vantorel::bookmarks
