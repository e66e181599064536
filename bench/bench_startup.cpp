// Start-up of the app: time from starting the process to the first frame of the sign-in
// screen, and the resident memory then, against the smallest Qt Quick window program. Both run
// offscreen, one after the other in every iteration, so that each pair meets the same moment of
// the shared cores; the app talks to a closed loopback port. The figures are the medians of the
// pairs' ratios.
#include "RatioReporter.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

struct Start
{
    double milliseconds = 0;
    double residentMib = 0;
};

struct Pairs
{
    std::vector<double> appMilliseconds, bareMilliseconds, appMib, bareMib, timeRatios,
        memoryRatios;
};
Pairs pairs;

QString binary(const char *name)
{
    return QCoreApplication::applicationDirPath() + u'/' + QString::fromLatin1(name);
}

std::optional<Start> startOnce(const char *program, const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"QTWEBENGINE_DISABLE_SANDBOX"_s, u"1"_s);
    QTemporaryDir home;
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProgram(binary(program));
    process.setArguments(arguments + QStringList{u"--home"_s, home.path()});
    const auto started = std::chrono::steady_clock::now().time_since_epoch();
    process.start();
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return std::nullopt;
    qint64 frameNs = 0;
    Start start;
    for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
        if (line.startsWith("first-frame-ns "))
            frameNs = line.mid(15).toLongLong();
        else if (line.startsWith("rss-kib "))
            start.residentMib = line.mid(8).toDouble() / 1024;
    }
    if (frameNs == 0)
        return std::nullopt;
    start.milliseconds = double(frameNs - std::chrono::nanoseconds(started).count()) / 1e6;
    return start;
}

void startUp(benchmark::State &state, QStringList appArguments)
{
    for (auto _ : state) {
        const std::optional<Start> bare = startOnce("tarvo_bench_bare_window", {});
        const std::optional<Start> app = startOnce("tarvo", appArguments);
        if (!bare || !app) {
            state.SkipWithError("a program did not report its first frame");
            return;
        }
        state.SetIterationTime(app->milliseconds / 1000);
        pairs.appMilliseconds.push_back(app->milliseconds);
        pairs.bareMilliseconds.push_back(bare->milliseconds);
        pairs.appMib.push_back(app->residentMib);
        pairs.bareMib.push_back(bare->residentMib);
        pairs.timeRatios.push_back(app->milliseconds / bare->milliseconds);
        pairs.memoryRatios.push_back(app->residentMib / bare->residentMib);
    }
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList appArguments{u"--startup-probe"_s, u"--service"_s,
                                   u"http://127.0.0.1:9/trvo/ws/appService"_s, u"--website"_s,
                                   u"http://127.0.0.1:9"_s};
    benchmark::RegisterBenchmark("tarvo sign-in after bare window", startUp, appArguments)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(15)
        ->Unit(benchmark::kMillisecond)
        ->ReportAggregatesOnly(true);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    if (!pairs.timeRatios.empty()) {
        std::printf("\nmedians of %zu pairs\n", pairs.timeRatios.size());
        std::printf("first frame: tarvo %.0f ms, bare window %.0f ms, ratio %.2fx\n",
                    median(pairs.appMilliseconds), median(pairs.bareMilliseconds),
                    median(pairs.timeRatios));
        std::printf("resident memory then: tarvo %.1f MiB, bare window %.1f MiB, ratio %.2fx\n",
                    median(pairs.appMib), median(pairs.bareMib), median(pairs.memoryRatios));
    }
    benchmark::Shutdown();
    return 0;
}
