#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "outside/molview/core/MolfileReader.h"
#include "outside/molview/tests/MolfileText.h"

using namespace vantorel::molview;
using namespace vantorel::molview::testing;

namespace {

std::string fileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

int countKind(const Molecule& m, BondKind kind) {
  int n = 0;
  for (const Bond& b : m.bonds) n += b.kind == kind;
  return n;
}

}  // namespace

TEST(MolfileReader, ReadsTheSampleCaffeineAsWritten) {
  const MolfileRead read = readMolfile(fileText(MOLVIEW_MOLECULES_DIR "caffeine.mol"));
  ASSERT_TRUE(read.molecule) << read.error;
  const Molecule& m = *read.molecule;
  EXPECT_EQ(m.name, "caffeine");
  ASSERT_EQ(m.atoms.size(), 24u);
  ASSERT_EQ(m.bonds.size(), 25u);
  EXPECT_EQ(m.atoms[0].symbol, "C");
  EXPECT_DOUBLE_EQ(m.atoms[0].x, -3.2456);
  EXPECT_DOUBLE_EQ(m.atoms[0].y, -1.1367);
  EXPECT_DOUBLE_EQ(m.atoms[0].z, 0.0333);
  EXPECT_EQ(m.atoms[1].symbol, "N");
  EXPECT_EQ(m.atoms[7].symbol, "O");
  EXPECT_EQ(countKind(m, BondKind::Double), 4);
  // "  7  8  2": the carbonyl between atoms 7 and 8, counted from 0 here.
  EXPECT_EQ(m.bonds[12].first, 6);
  EXPECT_EQ(m.bonds[12].second, 7);
  EXPECT_EQ(m.bonds[12].kind, BondKind::Double);
}

TEST(MolfileReader, ReadsEveryMoleculeOfTheSampleDisc) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(MOLVIEW_MOLECULES_DIR)) {
    if (entry.path().extension() != ".mol") continue;
    ++files;
    const MolfileRead read = readMolfile(fileText(entry.path()));
    ASSERT_TRUE(read.molecule) << entry.path() << ": " << read.error;
    EXPECT_EQ(read.molecule->name, entry.path().stem().string());
  }
  EXPECT_GE(files, 30);
  const MolfileRead ethyne = readMolfile(fileText(MOLVIEW_MOLECULES_DIR "ethyne.mol"));
  ASSERT_TRUE(ethyne.molecule);
  EXPECT_EQ(countKind(*ethyne.molecule, BondKind::Triple), 1);
}

TEST(MolfileReader, TakesChargesFromTheAtomBlockUnlessAChargeLineReplacesThem) {
  const std::vector<std::string> atoms = {atomLine({0, 0, 0, "N", 3}), atomLine({1, 0, 0, "O", 5}),
                                          atomLine({2, 0, 0, "Fe", 2})};
  const MolfileRead plain = readMolfile(molfile(atoms, 3, 0));
  ASSERT_TRUE(plain.molecule) << plain.error;
  EXPECT_EQ(plain.molecule->atoms[0].charge, 1);
  EXPECT_EQ(plain.molecule->atoms[1].charge, -1);
  EXPECT_EQ(plain.molecule->atoms[2].charge, 2);

  // The first charge line clears every charge of the atom block; those it names are set.
  const MolfileRead replaced = readMolfile(molfile(atoms, 3, 0, "\n", {"M  CHG  2   2  -2   3   3"}));
  ASSERT_TRUE(replaced.molecule) << replaced.error;
  EXPECT_EQ(replaced.molecule->atoms[0].charge, 0);
  EXPECT_EQ(replaced.molecule->atoms[1].charge, -2);
  EXPECT_EQ(replaced.molecule->atoms[2].charge, 3);
}

TEST(MolfileReader, AcceptsWindowsLineEndsAQueryBondAndAnOldFileWithoutItsEndLine) {
  std::string text = molfile({atomLine({0, 0, 0, "C"}), atomLine({1.5, 0, 0, "Cl"}), bondLine(1, 2, 6)}, 2, 1, "\r\n");
  MolfileRead read = readMolfile(text);
  ASSERT_TRUE(read.molecule) << read.error;
  EXPECT_EQ(read.molecule->atoms[1].symbol, "Cl");
  EXPECT_EQ(read.molecule->bonds[0].kind, BondKind::Single);

  text.erase(text.find("M  END"));
  read = readMolfile(text);
  ASSERT_TRUE(read.molecule) << read.error;
  EXPECT_EQ(read.molecule->atoms.size(), 2u);
}

TEST(MolfileReader, ReadsTheLargestTableTheFormatCanCount) {
  std::vector<std::string> lines;
  for (int i = 0; i < kMaxAtoms; ++i) lines.push_back(atomLine({i * 1.5, (i % 7) * 0.3, (i % 3) * 0.2, "C"}));
  for (int i = 1; i < kMaxAtoms; ++i) lines.push_back(bondLine(i, i + 1, 1));
  const MolfileRead read = readMolfile(molfile(lines, kMaxAtoms, kMaxAtoms - 1));
  ASSERT_TRUE(read.molecule) << read.error;
  EXPECT_EQ(read.molecule->atoms.size(), 999u);
  EXPECT_EQ(read.molecule->bonds.back().second, 998);
}

struct Fault {
  const char* name;
  std::string text;
  int line;             // 0: not tied to a line
  const char* mention;  // a part of the error text
};

class MolfileFaults : public ::testing::TestWithParam<Fault> {};

TEST_P(MolfileFaults, AreRefusedWithTheirLine) {
  const Fault& f = GetParam();
  const MolfileRead read = readMolfile(f.text);
  EXPECT_FALSE(read.molecule);
  EXPECT_EQ(read.line, f.line);
  EXPECT_NE(read.error.find(f.mention), std::string::npos) << read.error;
}

std::vector<std::string> twoCarbons() {
  return {atomLine({0, 0, 0, "C"}), atomLine({1.5, 0, 0, "C"})};
}

std::vector<std::string> with(std::vector<std::string> lines, const std::string& extra) {
  lines.push_back(extra);
  return lines;
}

std::string tenThousandAtoms() {
  // A writer that prints the count wider than its three columns pushes every field along.
  std::string text = "big\n\n\n10000 9999  0  0  0  0  0  0  0  0999 V2000\n";
  for (int i = 0; i < 10000; ++i) text += atomLine({i * 1.0, 0, 0, "C"}) + "\n";
  return text + "M  END\n";
}

INSTANTIATE_TEST_SUITE_P(
    Molfile, MolfileFaults,
    ::testing::Values(
        Fault{"CountsBeyondTheFile", "x\n\n\n999 999  0  0  0  0  0  0  0  0999 V2000\n", 4, "announces 999 atoms"},
        Fault{"AtomsWithoutTheirBonds", molfile(twoCarbons(), 2, 3), 4, "only"},
        Fault{"EmptyFile", "", 0, "before its counts line"},
        Fault{"HeaderOnly", "name\nprogram\ncomment\n", 0, "before its counts line"},
        Fault{"NoAtoms", molfile({}, 0, 0), 4, "no atoms"},
        Fault{"CountsThatAreNotNumbers", "x\n\n\n  a  b  0  0  0  0  0  0  0  0999 V2000\n", 4, "malformed"},
        Fault{"CountWiderThanItsColumns", tenThousandAtoms(), 4, "malformed"},
        Fault{"VersionThree", "x\n\n\n  0  0  0     0  0            999 V3000\n", 4, "V3000"},
        Fault{"BondToAtomZero", molfile(with(twoCarbons(), bondLine(0, 2, 1)), 2, 1), 7, "names atom 0"},
        Fault{"BondBeyondTheAtoms", molfile(with(twoCarbons(), bondLine(1, 3, 1)), 2, 1), 7, "names atom 3"},
        Fault{"BondToItself", molfile(with(twoCarbons(), bondLine(2, 2, 1)), 2, 1), 7, "to itself"},
        Fault{"UnknownBondType", molfile(with(twoCarbons(), bondLine(1, 2, 9)), 2, 1), 7, "unknown type 9"},
        Fault{"NaNCoordinate", molfile({atomLine({0, 0, 0, "C"}), "       nan    0.0000    0.0000 C   0  0"}, 2, 0), 6,
              "not finite"},
        Fault{"InfiniteCoordinate", molfile({"       inf    0.0000    0.0000 C   0  0"}, 1, 0), 5, "not finite"},
        Fault{"HugeCoordinate", molfile({"    1e+300    0.0000    0.0000 C   0  0"}, 1, 0), 5, "out of range"},
        Fault{"CoordinateThatIsNoNumber", molfile({"    0.0x00    0.0000    0.0000 C   0  0"}, 1, 0), 5, "not numbers"},
        Fault{"AtomLineCutShort", molfile({"    0.0000    0.0000"}, 1, 0), 5, "not numbers"},
        Fault{"NoSymbol", molfile({"    0.0000    0.0000    0.0000     0  0"}, 1, 0), 5, "element symbol"},
        Fault{"SymbolOfDigits", molfile({"    0.0000    0.0000    0.0000 12  0  0"}, 1, 0), 5, "element symbol"},
        Fault{"ChargeOfAMissingAtom", molfile(twoCarbons(), 2, 0, "\n", {"M  CHG  1   9   1"}), 7, "missing atom"},
        Fault{"ChargeLineCutShort", molfile(twoCarbons(), 2, 0, "\n", {"M  CHG  2   1   1"}), 7, "ends early"},
        Fault{"TooLarge", std::string(kMaxMolfileBytes + 1, ' '), 0, "too large"}),
    [](const ::testing::TestParamInfo<Fault>& info) { return std::string(info.param.name); });
