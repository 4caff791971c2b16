// vantorel-stress: two processes writing the registry store or the settings file at once, each
// killed (SIGKILL) at a random moment, round after round; a last round lets both finish. Afterwards every value a
// writer reported as written must be in the file, and the file must read as a whole: never empty, cut or mixed.
//
//   vantorel-stress run [--rounds N] [--values N] [--seed N] [--keep] FOLDER
//   vantorel-stress write-registry FILE WRITER FROM COUNT
//   vantorel-stress write-profile FILE WRITER FROM COUNT
//
// The writers print the number of each value once its write has returned; the driver believes
// only those lines.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <cstdio>
#include <map>
#include <random>
#include <string>

#include "platform/profile/PrivateProfile.h"
#include "platform/registry/RegistryStore.h"

namespace {

using namespace vantorel;

enum class Target { Registry, Profile };

std::string registryKey(int writer, long i) {
  return "HKEY_CURRENT_USER\\Software\\Stress\\W" + std::to_string(writer) + "\\K" + std::to_string(i / 100);
}
std::string valueName(long i) {
  return "V" + std::to_string(i);
}
std::string valueText(int writer, long i) {
  return "value " + std::to_string(writer) + " " + std::to_string(i) + " Τιμή";
}
std::string section(int writer) {
  return "W" + std::to_string(writer);
}

int write(Target target, const std::string& file, int writer, long from, long count) {
  registry::RegistryStore store(file);
  for (long i = from; i < from + count; ++i) {
    const bool ok = target == Target::Registry
                        ? store.setString(registryKey(writer, i), valueName(i), valueText(writer, i))
                        : profile::writePrivateProfileString(file, section(writer), valueName(i), valueText(writer, i));
    if (!ok) {
      std::fprintf(stderr, "writer %d: value %ld not written: %s\n", writer, i, store.lastError().c_str());
      return 1;
    }
    std::printf("%ld\n", i);
    std::fflush(stdout);
  }
  return 0;
}

// What a file holds: per writer, value number -> text. Empty with a reason when it does not read.
struct Contents {
  std::map<int, std::map<long, std::string>> values;
  std::string fault;
};

bool parseName(const std::string& name, char letter, long& number) {
  if (name.size() < 2 || name[0] != letter) return false;
  try {
    size_t used = 0;
    number = std::stol(name.substr(1), &used);
    return used == name.size() - 1;
  } catch (...) {
    return false;
  }
}

Contents readRegistry(const std::string& file) {
  Contents out;
  QFile f(QString::fromStdString(file));
  if (!f.open(QIODevice::ReadOnly)) return out;  // not there yet
  const QByteArray bytes = f.readAll();
  if (bytes.isEmpty()) {
    out.fault = "empty file";
    return out;
  }
  const auto parsed = registry::parseRegText(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
  if (!parsed.ok) {
    out.fault = "does not parse: " + parsed.error;
    return out;
  }
  const std::string prefix = "HKEY_CURRENT_USER\\Software\\Stress\\W";
  for (const auto& key : parsed.document.keys) {
    if (key.path.rfind(prefix, 0) != 0) continue;
    for (const auto& v : key.values) {
      long n = 0;
      if (!parseName(v.name, 'V', n)) continue;
      const int writer = key.path[prefix.size()] - '0';
      if (key.path != registryKey(writer, n)) out.fault = "value " + v.name + " under a wrong key";
      out.values[writer][n] = v.text;
    }
  }
  return out;
}

Contents readProfile(const std::string& file) {
  Contents out;
  QFile f(QString::fromStdString(file));
  if (!f.open(QIODevice::ReadOnly)) return out;
  const QByteArray bytes = f.readAll();
  if (bytes.isEmpty()) {
    out.fault = "empty file";
    return out;
  }
  if (!bytes.endsWith("\r\n")) out.fault = "the last line is cut";
  int writer = -1;
  for (const QByteArray& raw : bytes.split('\n')) {
    if (raw.isEmpty()) continue;
    if (!raw.endsWith('\r')) {
      out.fault = "a line without CR LF: " + raw.left(40).toStdString();
      continue;
    }
    const std::string line = raw.chopped(1).toStdString();
    if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
      long w = 0;
      writer = parseName(line.substr(1, line.size() - 2), 'W', w) ? static_cast<int>(w) : -1;
      continue;
    }
    const size_t eq = line.find('=');
    long n = 0;
    if (writer < 0 || eq == std::string::npos || !parseName(line.substr(0, eq), 'V', n)) {
      out.fault = "a line that no writer wrote: " + line.substr(0, 40);
      continue;
    }
    if (out.values[writer].count(n)) out.fault = "value " + std::to_string(n) + " twice";
    out.values[writer][n] = line.substr(eq + 1);
  }
  return out;
}

struct Figures {
  int rounds = 0, kills = 0, badFiles = 0, lost = 0, wrongTexts = 0, failedWriters = 0;
  long acknowledged = 0;
  qint64 milliseconds = 0;
};

// Runs rounds until every writer has `values` acknowledged values; returns the figures.
Figures stress(Target target, const QString& file, int rounds, long values, std::mt19937& random) {
  Figures fig;
  QElapsedTimer timer;
  timer.start();
  long next[2] = {0, 0};
  const QString self = QCoreApplication::applicationFilePath();
  const QString mode = target == Target::Registry ? u"write-registry"_qs : u"write-profile"_qs;
  for (int round = 0; round <= rounds; ++round) {
    const bool last = round == rounds;  // the last round runs to the end without a kill
    if (next[0] >= values && next[1] >= values) break;
    QProcess writers[2];
    for (int w = 0; w < 2; ++w) {
      writers[w].setProgram(self);
      writers[w].setArguments(
          {mode, file, QString::number(w), QString::number(next[w]), QString::number(std::max(0L, values - next[w]))});
      writers[w].setProcessChannelMode(QProcess::SeparateChannels);
      writers[w].start();
    }
    for (auto& w : writers) w.waitForStarted();
    if (!last) {
      // Each writer dies at a moment of its own, so that one may be killed inside its write while
      // the other holds the lock, or between two writes.
      int at[2] = {std::uniform_int_distribution<int>(5, 1500)(random),
                   std::uniform_int_distribution<int>(5, 1500)(random)};
      const int first = at[0] <= at[1] ? 0 : 1;
      QThread::msleep(static_cast<unsigned long>(at[first]));
      writers[first].kill();
      QThread::msleep(static_cast<unsigned long>(at[1 - first] - at[first]));
      writers[1 - first].kill();
      fig.kills += 2;
    }
    for (int w = 0; w < 2; ++w) {
      writers[w].waitForFinished(-1);
      if (writers[w].exitStatus() == QProcess::NormalExit && writers[w].exitCode() != 0) {
        ++fig.failedWriters;
        std::fprintf(stderr, "%s", writers[w].readAllStandardError().constData());
      }
      for (const QByteArray& line : writers[w].readAllStandardOutput().split('\n')) {
        bool ok = false;
        const long n = line.toLong(&ok);
        if (ok && n + 1 > next[w]) next[w] = n + 1;
      }
    }
    ++fig.rounds;
    // Between rounds the file must read as a whole and hold everything acknowledged.
    const Contents c = target == Target::Registry ? readRegistry(file.toStdString()) : readProfile(file.toStdString());
    if (!c.fault.empty()) {
      ++fig.badFiles;
      std::fprintf(stderr, "round %d: %s\n", round, c.fault.c_str());
    }
    for (int w = 0; w < 2; ++w) {
      const auto found = c.values.find(w);
      for (long i = 0; i < next[w]; ++i) {
        const std::string* text = nullptr;
        if (found != c.values.end()) {
          if (auto it = found->second.find(i); it != found->second.end()) text = &it->second;
        }
        if (!text) {
          ++fig.lost;
        } else if (*text != valueText(w, i)) {
          ++fig.wrongTexts;
        }
      }
    }
  }
  fig.acknowledged = next[0] + next[1];
  fig.milliseconds = timer.elapsed();
  return fig;
}

int run(const QStringList& args) {
  int rounds = 50;
  long values = 10000;
  unsigned seed = std::random_device{}();
  bool keep = false;
  QString folder;
  for (qsizetype i = 0; i < args.size(); ++i) {
    if (args[i] == u"--rounds"_qs && i + 1 < args.size()) {
      rounds = args[++i].toInt();
    } else if (args[i] == u"--values"_qs && i + 1 < args.size()) {
      values = args[++i].toLong();
    } else if (args[i] == u"--seed"_qs && i + 1 < args.size()) {
      seed = args[++i].toUInt();
    } else if (args[i] == u"--keep"_qs) {
      keep = true;
    } else {
      folder = args[i];
    }
  }
  if (folder.isEmpty() || !QDir().mkpath(folder)) {
    std::fprintf(stderr, "usage: vantorel-stress run [--rounds N] [--values N] [--seed N] [--keep] FOLDER\n");
    return 2;
  }
  std::mt19937 random(seed);
  std::printf("seed %u, %d rounds, 2 writers x %ld values\n", seed, rounds, values);
  bool clean = true;
  for (Target target : {Target::Registry, Target::Profile}) {
    const QString file = QDir(folder).filePath(target == Target::Registry ? u"registry.reg"_qs : u"qset.ini"_qs);
    QFile::remove(file);
    const Figures f = stress(target, file, rounds, values, random);
    const QStringList left = QDir(folder).entryList({QFileInfo(file).fileName() + u".tmp-*"_qs}, QDir::Files);
    std::printf(
        "%-9s rounds %d, kills %d, acknowledged %ld of %ld, lost %d, wrong texts %d, bad files %d, failed writers %d, "
        "temporary files left %lld, %.1f s\n",
        target == Target::Registry ? "registry" : "qset.ini", f.rounds, f.kills, f.acknowledged, 2 * values, f.lost,
        f.wrongTexts, f.badFiles, f.failedWriters, static_cast<long long>(left.size()), f.milliseconds / 1000.0);
    clean = clean && f.lost == 0 && f.wrongTexts == 0 && f.badFiles == 0 && f.failedWriters == 0 &&
            f.acknowledged == 2 * values;
    if (!keep) QFile::remove(file);
  }
  return clean ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  if (args.size() == 5 && (args[0] == u"write-registry"_qs || args[0] == u"write-profile"_qs)) {
    return write(args[0] == u"write-registry"_qs ? Target::Registry : Target::Profile, args[1].toStdString(),
                 args[2].toInt(), args[3].toLong(), args[4].toLong());
  }
  if (!args.isEmpty() && args[0] == u"run"_qs) return run(args.mid(1));
  std::fprintf(stderr,
               "usage: vantorel-stress run [--rounds N] [--values N] [--seed N] [--keep] FOLDER\n"
               "       vantorel-stress write-registry|write-profile FILE WRITER FROM COUNT\n");
  return 2;
}
