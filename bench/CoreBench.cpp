#include "core/Fields.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

constexpr int namesListSize = 501;

// A full names list: every entry a quoted name and a quoted "&HRRGGBB" value on its own line.
std::string namesListFile()
{
    std::string file;
    char line[64];
    for (int i = 0; i < namesListSize; ++i) {
        std::snprintf(line, sizeof line, "\"name %03d\",\"&H%02X%02X%02X\"\r\n", i, i & 0xFF,
                      (i * 7) & 0xFF, (i * 13) & 0xFF);
        file += line;
    }
    return file;
}

// The names step of the start-up loading: entries two fields at a time until the file ends,
// the list is full or a value is empty.
void readNamesList(benchmark::State &state)
{
    const std::string file = namesListFile();
    for (auto _ : state) {
        swatchly::TextSource in(file);
        swatchly::FieldReader reader(in);
        int entries = 0;
        while (!reader.atEnd() && entries < namesListSize) {
            const std::optional<std::string> name = reader.readField();
            const std::optional<std::string> value = reader.readField();
            if (!name || !value) {
                state.SkipWithError("names list did not read");
                break;
            }
            benchmark::DoNotOptimize(name);
            benchmark::DoNotOptimize(value);
            if (value->empty())
                break;
            ++entries;
        }
        if (entries != namesListSize)
            state.SkipWithError("names list incomplete");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(file.size()));
    state.SetItemsProcessed(state.iterations() * namesListSize);
}

} // namespace

BENCHMARK(readNamesList)->Repetitions(10)->ReportAggregatesOnly(true);
