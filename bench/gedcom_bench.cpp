// SPDX-License-Identifier: MIT
// A generated family tree (tools/make_large_gedcom.py, 20 MB, made once when the program starts)
// read from memory through the line and record readers, as the tree check reads a file; and the
// line reader alone. Bytes per second are the file's bytes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <sstream>
#include <string>

#include "records/GedcomLines.h"
#include "records/GedcomRecords.h"

namespace {

const std::string &GeneratedTree()
{
    static const std::string tree = [] {
        std::string text;
        const std::string command = "python3 '" MAKE_LARGE_GEDCOM "' --size 20M --output - 2>/dev/null";
        if (FILE *pipe = popen(command.c_str(), "r")) {
            char block[1 << 16];
            size_t got;
            while ((got = fread(block, 1, sizeof block, pipe)) > 0)
                text.append(block, got);
            pclose(pipe);
        }
        return text;
    }();
    return tree;
}

void Records(benchmark::State &state)
{
    const std::string &tree = GeneratedTree();
    if (tree.empty()) {
        state.SkipWithError("tools/make_large_gedcom.py wrote nothing");
        return;
    }
    int64_t events = 0;
    for (auto _ : state) {
        std::istringstream in(tree, std::ios::binary);
        vardex::GedcomLineReader lines(in);
        vardex::GedcomRecordReader reader(lines);
        vardex::GedcomRecord record;
        while (reader.Next(record))
            events += static_cast<int64_t>(record.events.size());
        benchmark::DoNotOptimize(events);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(tree.size()));
    state.counters["dates"] = static_cast<double>(events) / static_cast<double>(state.iterations());
}
BENCHMARK(Records)->Unit(benchmark::kMillisecond);

void LinesAlone(benchmark::State &state)
{
    const std::string &tree = GeneratedTree();
    if (tree.empty()) {
        state.SkipWithError("tools/make_large_gedcom.py wrote nothing");
        return;
    }
    for (auto _ : state) {
        std::istringstream in(tree, std::ios::binary);
        vardex::GedcomLineReader lines(in);
        vardex::GedcomLine line;
        int64_t count = 0;
        while (lines.Next(line))
            ++count;
        benchmark::DoNotOptimize(count);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(tree.size()));
}
BENCHMARK(LinesAlone)->Unit(benchmark::kMillisecond);

}  // namespace
