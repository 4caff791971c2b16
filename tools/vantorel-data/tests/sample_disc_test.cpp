// The sample sources: they compile, and dumping the result gives the sources back.
#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "tools/vantorel-data/core/Bytes.h"
#include "tools/vantorel-data/core/Compiler.h"
#include "tools/vantorel-data/core/Dump.h"
#include "tools/vantorel-data/core/FileIo.h"
#include "tools/vantorel-data/tests/SampleDisc.h"

using namespace vantorel::data;
using namespace vantorel::data::testing;

TEST(SampleDisc, TablesRoundTripThroughDump) {
  const size_t minimum[] = {150, 190, 0, 118, 0, 10, 80};
  for (size_t t = 0; t < 7; ++t) {
    const auto& table = tables()[t];
    auto text = readWholeFile(dataDir() + "/" + table.base + ".tsv");
    ASSERT_TRUE(text) << table.base;
    const auto source = parseSource(*text, table.base);
    std::vector<Diagnostic> d;
    auto files = compileTable(table, source, d);
    ASSERT_TRUE(files) << formatDiagnostic(d.at(0));
    EXPECT_GE(source.rows.size(), minimum[t]) << table.base;
    std::ostringstream out;
    ASSERT_TRUE(dumpTable(table, files->index, files->data, out));
    std::istringstream lines(out.str());
    std::string line;
    size_t r = 0;
    while (std::getline(lines, line)) {
      if (line.starts_with("#")) continue;
      std::string expected;
      for (size_t k = 0; k < table.fields.size(); ++k)
        expected += (k ? "\t" : "") + std::string(table.fields[k].key) + "=" + source.rows.at(r)[k].text;
      EXPECT_EQ(line, expected);
      ++r;
    }
    EXPECT_EQ(r, source.rows.size());
  }
}

TEST(SampleDisc, ElementFactsLandInTheirFields) {
  auto text = readWholeFile(dataDir() + "/elements.tsv");
  ASSERT_TRUE(text);
  std::vector<Diagnostic> d;
  auto bytes = compileElements(parseSource(*text, "elements.tsv"), d);
  ASSERT_TRUE(bytes);
  ASSERT_EQ(bytes->size(), 118u * 120);
  auto rec = [&](int z) { return std::string_view(*bytes).substr((z - 1) * 120, 120); };
  EXPECT_DOUBLE_EQ(getF64(rec(8), 24), 15.999);
  EXPECT_DOUBLE_EQ(getF64(rec(26), 32), 7.874);
  EXPECT_EQ(getI16(rec(80), 104), -39);  // -38,83 °C to the whole degree
  EXPECT_EQ(getI16(rec(1), 100), 0);
  EXPECT_EQ(getI16(rec(58), 102), 8);
  EXPECT_EQ(getI16(rec(92), 102), 9);
  EXPECT_EQ(getI16(rec(29), 96), 9000);  // copper, 9000 BC
}

TEST(SampleDisc, ElementsTableFlagsMakeTheLoaderCorrectionsMatter) {
  auto text = readWholeFile(dataDir() + "/daelem.tsv");
  ASSERT_TRUE(text);
  std::vector<Diagnostic> d;
  auto files = compileTable(tables()[3], parseSource(*text, "daelem"), d);
  ASSERT_TRUE(files);
  const size_t types = 6 + 4 * 84, plots = types + 83;
  EXPECT_NE(files->index[plots + 0], 'Y');
  EXPECT_NE(files->index[plots + 14], 'Y');
  EXPECT_NE(files->index[types + 14], 'N');
  EXPECT_NE(files->data.find("(Diamond)"), std::string::npos);
  EXPECT_NE(files->data.find("Ozone"), std::string::npos);
}
