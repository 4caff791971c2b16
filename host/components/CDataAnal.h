#pragma once

#include <cstdint>

#include "host/components/CComponentWnd.h"

namespace vantorel::host {

// Dravix, the data analyser (window "DataAn", child id 1045). The selected-fields array and the
// filter block come and go as addresses of blocks of the platform's block service; the host owns
// what GetSelectedFields and FilterMemory hand out.
class CDataAnal : public CComponentWnd {
  Q_OBJECT
 public:
  explicit CDataAnal(QObject* parent = nullptr);

  [[nodiscard]] QString Version();
  [[nodiscard]] int16_t GetBMSorG();  // 0 table shown, otherwise graph shown
  void SetBMSorG(int16_t value);
  [[nodiscard]] int16_t GetGraphType();
  void SetGraphType(int16_t value);
  [[nodiscard]] int32_t GetGraphFields();
  void SetGraphFields(int32_t value);
  [[nodiscard]] bool GetShowLabels();
  void SetShowLabels(bool value);
  [[nodiscard]] bool GetAxis();
  void SetAxis(bool value);
  [[nodiscard]] int16_t GetSortColumn();
  void SetSortColumn(int16_t value);
  [[nodiscard]] int32_t GetFilterLength();
  [[nodiscard]] int16_t GetFilterNum();
  void InitData(const QString& dataPath);
  void CopyAllData();
  void CopySelection();
  [[nodiscard]] int16_t GetTable();
  [[nodiscard]] intptr_t GetSelectedFields();
  void SetTable(int16_t index);
  void SetSelectedFields(intptr_t fields);
  [[nodiscard]] intptr_t FilterMemory();
  void SetFilter(int32_t length, int16_t num, intptr_t memory);
  void SetColumnWidth(int16_t index, int32_t width);
  [[nodiscard]] int32_t GetColumnWidth(int16_t index);
  void CopyGraph();
  void PrintGraph();
};

}  // namespace vantorel::host
