#include <gtest/gtest.h>

#include <array>

#include "host/components/CDataAnal.h"
#include "host/components/CPeriodTable.h"
#include "host/view/tests/ViewTestSupport.h"
#include "platform/com/Blocks.h"

// Bookmarks taken on the periodic table and the data analyser of the real components, written,
// and restored into a program started anew: what the components report afterwards is what they
// reported when the bookmark was taken.
using namespace vantorel;
using namespace vantorel::host;
using namespace vantorel::host::viewtest;

namespace {

const QString kSampleDisc = QStringLiteral(SAMPLE_DISC);

struct RealProgram {
  ViewSandbox box{QStringList{}};

  RealProgram() {
    for (const char* path : {REAL_COMPONENTS}) EXPECT_EQ(com::registerLibrary(path), com::kOk) << path;
    box.useDataFolder(kSampleDisc);
  }
  CQuillet2View* start() {
    CMainFrame* frame = box.start(true, {1000, 720});
    return frame ? frame->view() : nullptr;
  }
  void stop() { box.app.reset(); }
};

// The data analyser's state as its members report it.
struct AnalyserState {
  int table = 0;
  std::vector<int32_t> fields;
  std::vector<int32_t> widths;
  int sortColumn = 0;
  int displayMode = 0;
  int graphType = 0;
  bool labels = false;
  bool axis = false;
  int32_t graphFields = 0;
  int32_t filterLength = 0;
  int filterNum = 0;
  bool operator==(const AnalyserState&) const = default;
};

AnalyserState stateOf(CDataAnal& control) {
  AnalyserState s;
  s.table = control.GetTable();
  const intptr_t block = control.GetSelectedFields();
  s.fields = com::readIntBlock(block).value_or(std::vector<int32_t>{});
  com::freeBlock(block);
  const int columns = s.fields.empty() ? 0 : s.fields[0] - 1;  // element 0 counts itself
  for (int i = 0; i < columns; ++i) s.widths.push_back(control.GetColumnWidth(static_cast<int16_t>(i)));
  s.sortColumn = control.GetSortColumn();
  s.displayMode = control.GetBMSorG();
  s.graphType = control.GetGraphType();
  s.labels = control.GetShowLabels();
  s.axis = control.GetAxis();
  s.graphFields = control.GetGraphFields();
  s.filterLength = control.GetFilterLength();
  s.filterNum = control.GetFilterNum();
  return s;
}

std::string describe(const AnalyserState& s) {
  std::string text = "table " + std::to_string(s.table) + " fields";
  for (int32_t f : s.fields) text += " " + std::to_string(f);
  text += " widths";
  for (int32_t w : s.widths) text += " " + std::to_string(w);
  text += " sort " + std::to_string(s.sortColumn) + " mode " + std::to_string(s.displayMode) + " graph " +
          std::to_string(s.graphType) + " fields " + std::to_string(s.graphFields) + " filter " +
          std::to_string(s.filterLength) + "/" + std::to_string(s.filterNum);
  return text;
}

}  // namespace

TEST(RealComponentBookmarks, PeriodicTableAndDataAnalyserStatesComeBackAfterARestart) {
  RealProgram program;
  const QString tableMark = u"Πίνακας στους 1500 K"_qs;
  const QString dataMark = u"Ορυκτά, δύο στήλες"_qs;
  std::array<int32_t, 2> tableState{};
  AnalyserState analyserState;
  {
    CQuillet2View* view = program.start();
    ASSERT_NE(view, nullptr);
    HostComponents& components = *view->components();

    view->ShowPeriodicTable();
    components.periodTable().SetState(1, 1500);
    tableState = {components.periodTable().GetMode(), components.periodTable().GetExtra()};
    ASSERT_EQ(tableState[0], 1);
    addBookmark(*view, tableMark);

    view->ShowDataAnalyser();
    CDataAnal& analyser = components.dataAnal();
    analyser.SetTable(2);
    // Two of the table's fields, the second one sorted and widened, and a graph type and labels
    // for when the graph page is opened.
    const std::vector<int32_t> chosen{3, 1, 2};
    const intptr_t block = com::newIntBlock(chosen);
    analyser.SetSelectedFields(block);
    com::freeBlock(block);
    analyser.SetColumnWidth(1, 171);
    analyser.SetSortColumn(2);
    analyser.SetGraphType(2);
    analyser.SetShowLabels(true);
    analyserState = stateOf(analyser);
    ASSERT_EQ(analyserState.table, 2);
    ASSERT_EQ(analyserState.widths.size(), 2U) << describe(analyserState);
    EXPECT_EQ(analyserState.widths[1], 171);
    EXPECT_EQ(analyserState.graphType, 2);
    addBookmark(*view, dataMark);
    EXPECT_TRUE(program.box.shownTexts().isEmpty()) << program.box.shownTexts().join(u'|').toStdString();
    program.stop();
  }

  CQuillet2View* view = program.start();
  ASSERT_NE(view, nullptr);
  HostComponents& components = *view->components();
  // Somewhere else first, so that going to the bookmarks has something to undo.
  components.dataAnal().SetTable(0);
  components.periodTable().SetState(0, 0);

  goToBookmark(*view, tableMark);
  EXPECT_EQ(view->screen(), CQuillet2View::PeriodicTable);
  EXPECT_EQ(components.periodTable().GetMode(), tableState[0]);
  EXPECT_EQ(components.periodTable().GetExtra(), tableState[1]);

  goToBookmark(*view, dataMark);
  EXPECT_EQ(view->screen(), CQuillet2View::DataAnalyser);
  const AnalyserState restored = stateOf(components.dataAnal());
  EXPECT_EQ(restored, analyserState) << describe(restored) << "\nwanted " << describe(analyserState);
  EXPECT_TRUE(program.box.shownTexts().isEmpty()) << program.box.shownTexts().join(u'|').toStdString();
}
