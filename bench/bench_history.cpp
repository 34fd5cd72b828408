// The configuration history on a full program folder: a config.log at the rotation limit
// (50,000,000 bytes) and two rotated copies of the same size, written by the program's own file
// writer from every model's factory defaults with changing dates, names and tags. Measures
// indexing all three files (with the growth of the peak resident memory), loading one entry and
// the filter over every entry as a filter box runs it, keystroke by keystroke.

#include "records/ConfigurationFile.h"
#include "records/ConfigurationHistory.h"
#include "records/ConfigurationReader.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

// Each model's factory-default parameter lines, as the writer takes them.
struct ModelDefaults {
    QString model;
    int firmware = 0;
    EntryList parameters;
};

QList<ModelDefaults> modelDefaults() {
    QList<ModelDefaults> all;
    const QDir shipped(QStringLiteral(KVC7345_DATA_DIR "/factorydefaults"));
    for (const QString& name : shipped.entryList({QStringLiteral("*.NVC")}, QDir::Files)) {
        QFile file(shipped.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            continue;
        }
        const ConfigurationText text = ReadConfigurationText(file.readAll());
        ModelDefaults defaults{text.model, 0, {}};
        int slot = 1;
        for (int i = 1; i <= text.keyLines; ++i) {
            const QString& key = text.entries.FileNames(i);
            if (key == QLatin1String("MDVERSION")) {
                defaults.firmware = FileFirmware(text.entries.FileValues(i)).value_or(1);
            } else if (!IsHeaderKey(key)) {
                defaults.parameters.FileNames(slot) = key;
                defaults.parameters.FileValues(slot) = text.entries.FileValues(i);
                ++slot;
            }
        }
        all << defaults;
    }
    return all;
}

// A log of `size` bytes or a little more: the models in turn, a few readings a day.
bool writeLog(const QString& path, const QList<ModelDefaults>& models, qint64 size, int seed) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const QLocale locale;
    const QDate start(2020 + seed, 1, 1);
    qint64 written = 0;
    for (int n = 0; written < size; ++n) {
        const ModelDefaults& model = models[n % models.size()];
        ConfigurationHeader header;
        header.model = model.model;
        header.date = locale.toString(start.addDays(n / 8), QLocale::ShortFormat);
        header.time = QTime(8 + n % 8, n % 60, (n * 7) % 60).toString(QStringLiteral("HH:mm:ss"));
        header.softwareVersion = QStringLiteral("132");
        header.firmware = model.firmware;
        header.doneBy = QStringLiteral("Technician %1").arg(n % 17);
        header.doneFor = QStringLiteral("Plant %1").arg(n % 5);
        header.tag1 = QStringLiteral("TT-%1").arg(n % 997, 3, 10, QLatin1Char('0'));
        header.tag2 = QStringLiteral("LOOP %1").arg(n % 31);
        const QByteArray text = ConfigurationFileText(header, model.parameters);
        if (file.write(text) != text.size()) {
            return false;
        }
        written += text.size();
    }
    return true;
}

// The resident memory, or its peak since the last reset, in bytes (Linux; 0 elsewhere).
qint64 memoryFigure(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field)) {
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLongLong() * 1024;
        }
    }
    return 0;
}

void resetPeakMemory() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly)) {
        clear.write("5");
    }
}

struct Folder {
    QTemporaryDir home;
    ConfigurationHistory history;
};

Folder& folder() {
    static const std::unique_ptr<Folder> made = [] {
        auto folder = std::make_unique<Folder>();
        const QString logs = folder->home.filePath(QStringLiteral("log"));
        QDir().mkpath(logs);
        const QList<ModelDefaults> models = modelDefaults();
        const QStringList names{QStringLiteral("config_20240101_120000.log"),
                                QStringLiteral("config_20250101_120000.log"),
                                QStringLiteral("config.log")};
        for (int i = 0; i < names.size(); ++i) {
            if (!writeLog(QDir(logs).filePath(names[i]), models, ConfigurationLogLimit, i)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(names[i]));
            }
        }
        std::printf("%lld models, folder %s\n", static_cast<long long>(models.size()),
                    qPrintable(folder->home.path()));
        return folder;
    }();
    return *made;
}

void IndexAllThreeLogs(benchmark::State& state) {
    Folder& home = folder();
    qint64 growth = 0;
    for (auto _ : state) {
        home.history = {};
        const qint64 before = memoryFigure("VmRSS:");
        resetPeakMemory();
        ConfigurationHistory history = IndexConfigurationHistory(home.home.path());
        growth = std::max(growth, memoryFigure("VmHWM:") - before);
        benchmark::DoNotOptimize(history.entries.data());
        home.history = std::move(history);
    }
    state.counters["entries"] = static_cast<double>(home.history.entries.size());
    state.counters["damaged"] = static_cast<double>(home.history.damaged.size());
    state.counters["peak_growth_MB"] = static_cast<double>(growth) / 1e6;
    state.SetBytesProcessed(state.iterations() * 3 * ConfigurationLogLimit);
}

void LoadOneEntry(benchmark::State& state) {
    Folder& home = folder();
    if (home.history.entries.isEmpty()) {
        home.history = IndexConfigurationHistory(home.home.path());
    }
    // One in the middle of config.log.
    const HistoryEntry& entry = home.history.entries[home.history.entries.size() * 5 / 6];
    for (auto _ : state) {
        HistoryLoad load = LoadHistoryEntry(entry);
        benchmark::DoNotOptimize(load.bytes.data());
        if (!load.ok()) {
            state.SkipWithError(qPrintable(load.message));
        }
    }
}

void FilterPerKeystroke(benchmark::State& state) {
    Folder& home = folder();
    if (home.history.entries.isEmpty()) {
        home.history = IndexConfigurationHistory(home.home.path());
    }
    const QStringList typed{QStringLiteral("T"),     QStringLiteral("TT"),
                            QStringLiteral("TT-"),   QStringLiteral("TT-1"),
                            QStringLiteral("TT-10"), QStringLiteral("TT-101")};
    qsizetype matching = 0;
    for (auto _ : state) {
        for (const QString& text : typed) {
            matching = FilterHistory(home.history.entries, text).size();
            benchmark::DoNotOptimize(matching);
        }
    }
    state.counters["keystrokes"] =
        benchmark::Counter(static_cast<double>(state.iterations() * typed.size()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["last_matching"] = static_cast<double>(matching);
}

}  // namespace

BENCHMARK(IndexAllThreeLogs)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(LoadOneEntry)->Unit(benchmark::kMillisecond);
BENCHMARK(FilterPerKeystroke)->Unit(benchmark::kMillisecond);

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
