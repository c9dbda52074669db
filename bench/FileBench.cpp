// File costs: listing a folder of many scheme files for the scheme window's name box, and the
// start-up loading's field reader on a data file far larger than any real one.
#include "BenchSupport.h"
#include "chart/frmTintora.h"
#include "platform/services/Files.h"
#include "schemes/clsFindFile.h"
#include "schemes/frmSavetxt.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

namespace {

constexpr int SchemeFiles = 1000;

// A folder of 1,000 scheme files of 140 bytes each, made once.
const QTemporaryDir &schemeFolder()
{
    static const auto folder = [] {
        auto dir = std::make_unique<QTemporaryDir>();
        for (int i = 0; i < SchemeFiles; ++i) {
            std::ofstream out(
                dir->filePath(QStringLiteral("Scheme %1.col").arg(i, 4, 10, QLatin1Char('0')))
                    .toStdString(),
                std::ios::binary);
            for (int record = 0; record < 14; ++record)
                out << "\"0080FF\"\r\n";
        }
        return dir;
    }();
    return *folder;
}

// clsFindFile's walk over the folder, one name at a time.
void findFileWalk1000(benchmark::State &state)
{
    const QString pattern = schemeFolder().path() + QStringLiteral("/*.col");
    swatchly::platform::RealFolderSearch search;
    swatchly::platform::QtMessageBoxes boxes;
    for (auto _ : state) {
        swatchly::clsFindFile finder(search, boxes);
        int found = 0;
        for (QString name = finder.Find(pattern, false); !name.isEmpty(); name = finder.FindNext())
            ++found;
        if (found != SchemeFiles) {
            state.SkipWithError("not every scheme file was found");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * SchemeFiles);
}

// The scheme window's listing: the walk, the attribute and extension tests, and each name
// added to the name box's list.
void findFilesInSingleDir1000(benchmark::State &state)
{
    swatchly::bench::ShippedDataFolder programFolder;
    swatchly::frmTintora main(programFolder);
    swatchly::frmSavetxt window(main);
    const QString folder = schemeFolder().path();
    for (auto _ : state) {
        window.Combo1->clearList();
        const int listed = window.FindFilesInSingleDir(folder, QStringLiteral("\\*.col"));
        if (listed != SchemeFiles) {
            state.SkipWithError("not every scheme file was listed");
            break;
        }
    }
    state.SetItemsProcessed(state.iterations() * SchemeFiles);
}

constexpr std::int64_t DataFileBytes = 100 * 1000 * 1000;

enum class Layout { Records, OneLine };

// A 100 MB data file, made once per layout: quoted six-digit records each on its own line, or
// one line of digits with no separator at all.
const std::string &dataFile(Layout layout)
{
    static std::unique_ptr<QTemporaryDir> dir;
    static std::string paths[2];
    std::string &path = paths[layout == Layout::Records ? 0 : 1];
    if (!path.empty())
        return path;
    if (!dir)
        dir = std::make_unique<QTemporaryDir>();
    path = dir->filePath(layout == Layout::Records ? QStringLiteral("records")
                                                   : QStringLiteral("one-line"))
               .toStdString();
    std::ofstream out(path, std::ios::binary);
    const std::string unit = layout == Layout::Records ? "\"0080FF\"\r\n" : "0123456789";
    std::string block;
    while (block.size() < 1000 * 1000)
        block += unit;
    block.resize(1000 * 1000 - (1000 * 1000) % unit.size());
    for (std::int64_t written = 0; written < DataFileBytes;
         written += static_cast<std::int64_t>(block.size()))
        out.write(block.data(), static_cast<std::streamsize>(block.size()));
    return path;
}

// Every field of the file, through the file layer that the start-up loading uses.
void readDataFile(benchmark::State &state, Layout layout)
{
    const std::string &path = dataFile(layout);
    swatchly::platform::RealFileSystem files;
    std::int64_t bytes = 0;
    for (auto _ : state) {
        auto opened = files.openForInput(path);
        if (!opened) {
            state.SkipWithError("the data file did not open");
            break;
        }
        auto &file = *opened;
        std::int64_t fields = 0;
        while (!file->atEnd()) {
            const auto field = file->readField();
            if (!field)
                break;
            benchmark::DoNotOptimize(field->data());
            ++fields;
        }
        state.counters["fields"] = static_cast<double>(fields);
        bytes += DataFileBytes;
    }
    state.SetBytesProcessed(bytes);
}

void readDataFileWithLineEnds(benchmark::State &state)
{
    readDataFile(state, Layout::Records);
}

void readDataFileWithoutLineEnds(benchmark::State &state)
{
    readDataFile(state, Layout::OneLine);
}

} // namespace

BENCHMARK(findFileWalk1000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(findFilesInSingleDir1000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(readDataFileWithLineEnds)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
BENCHMARK(readDataFileWithoutLineEnds)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
