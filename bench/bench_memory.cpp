// SPDX-FileCopyrightText: 2026 Observação contributors
// SPDX-License-Identifier: MIT

// Peak memory while a list is loaded from its file, against the file's size (goal: at most
// 5 times), and while hostile files are refused. Each load runs in a child process of its own,
// so that what one leaves in the allocator does not hide what the next takes.
#include "host/data/TClientDataSet.h"
#include "platform/Exception.h"

#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {

// A field of /proc/self/status, in bytes; -1 when it cannot be read.
long long statusBytes(const char *field)
{
    FILE *f = std::fopen("/proc/self/status", "r");
    if (!f)
        return -1;
    char line[256];
    long long kb = -1;
    const size_t n = std::strlen(field);
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, field, n) == 0 && line[n] == ':')
            kb = std::atoll(line + n + 1);
    std::fclose(f);
    return kb < 0 ? -1 : kb * 1024;
}

// Loads the file in a child process; answers the growth of its peak resident memory during
// the load, and whether the load succeeded, or -1 when the measure failed.
long long peakGrowth(const QString &file, bool *loaded)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        close(pipeFds[0]);
        long long result[2] = {-1, 0};
        // Writing 5 resets the peak to what is resident now (Linux 4.0 and later).
        if (FILE *f = std::fopen("/proc/self/clear_refs", "w")) {
            const bool reset = std::fputs("5", f) >= 0;
            std::fclose(f);
            const long long before = statusBytes("VmRSS");
            if (reset && before > 0) {
                host::TClientDataSet t;
                try {
                    t.LoadFromFile(file);
                    result[1] = 1;
                } catch (const platform::Exception &) { }
                result[0] = statusBytes("VmHWM") - before;
            }
        }
        (void)!write(pipeFds[1], result, sizeof result);
        _exit(0);
    }
    close(pipeFds[1]);
    long long result[2] = {-1, 0};
    const bool got = child > 0 && read(pipeFds[0], result, sizeof result) == sizeof result;
    close(pipeFds[0]);
    if (child > 0)
        waitpid(child, nullptr, 0);
    *loaded = result[1] != 0;
    return got ? result[0] : -1;
}

struct Files
{
    QTemporaryDir dir;
    QString list, deep;
};

const Files &files()
{
    static const Files *all = [] {
        auto *f = new Files;
        // A million observations of the list's shape: about 80 bytes a row.
        f->list = f->dir.filePath(QStringLiteral("lista.xml"));
        QFile list(f->list);
        if (list.open(QIODevice::WriteOnly)) {
            list.write(R"(<?xml version="1.0" standalone="yes"?><DATAPACKET Version="2.0"><METADATA><FIELDS>)"
                       R"(<FIELD attrname="CDOCORR" fieldtype="string" WIDTH="2"/>)"
                       R"(<FIELD attrname="DSOBS" fieldtype="string" WIDTH="30"/>)"
                       R"(<FIELD attrname="NRORDEM" fieldtype="i4"/>)"
                       "</FIELDS><PARAMS/></METADATA><ROWDATA>\n");
            for (int i = 0; i < 1000000; ++i)
                list.write(QStringLiteral("<ROW CDOCORR=\"%1\" DSOBS=\"Observação número %2\" NRORDEM=\"%2\"/>\n")
                               .arg(i % 100, 2, 10, QLatin1Char('0'))
                               .arg(i)
                               .toUtf8());
            list.write("</ROWDATA></DATAPACKET>\n");
        }
        // Ten million unclosed elements.
        f->deep = f->dir.filePath(QStringLiteral("funda.xml"));
        QFile deep(f->deep);
        if (deep.open(QIODevice::WriteOnly)) {
            deep.write(R"(<?xml version="1.0"?><DATAPACKET><METADATA><X>)");
            const QByteArray block = QByteArray("<Y>").repeated(100000);
            for (int i = 0; i < 100; ++i)
                deep.write(block);
        }
        return f;
    }();
    return *all;
}

void measure(benchmark::State &state, const QString &file, bool shouldLoad)
{
    const double size = double(QFile(file).size());
    long long growth = -1;
    bool loaded = false;
    for (auto _ : state)
        growth = peakGrowth(file, &loaded);
    if (growth < 0) {
        state.SkipWithError("peak memory could not be measured");
        return;
    }
    if (loaded != shouldLoad)
        state.SkipWithError(shouldLoad ? "the list did not load" : "the hostile file loaded");
    state.counters["file_MB"] = size / 1e6;
    state.counters["peak_MB"] = double(growth) / 1e6;
    state.counters["peak_per_file_byte"] = double(growth) / size;
}

void listPeak(benchmark::State &state)
{
    measure(state, files().list, true);
}

void deepPeak(benchmark::State &state)
{
    measure(state, files().deep, false);
}

} // namespace

BENCHMARK(listPeak)->Name("load_memory/list_1000000_rows")->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(deepPeak)->Name("load_memory/deep_nesting_30MB")->Iterations(1)->Unit(benchmark::kMillisecond);
