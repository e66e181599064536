// Start-up of the app: time from starting the process to the first frame of the sign-in
// screen, and the resident memory then, against the smallest Qt Quick window program started
// the same way in the same run. Both run offscreen; the app talks to a closed loopback port.
#include "RatioReporter.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>

using namespace Qt::StringLiterals;

namespace {

std::map<std::string, std::vector<double>> residentMib;

QString binary(const char *name)
{
    return QCoreApplication::applicationDirPath() + u'/' + QString::fromLatin1(name);
}

void startUp(benchmark::State &state, const char *program, QStringList arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"QTWEBENGINE_DISABLE_SANDBOX"_s, u"1"_s);
    for (auto _ : state) {
        QTemporaryDir home;
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setProgram(binary(program));
        process.setArguments(arguments + QStringList{u"--home"_s, home.path()});
        const auto started = std::chrono::steady_clock::now().time_since_epoch();
        process.start();
        if (!process.waitForFinished(30000) || process.exitCode() != 0) {
            state.SkipWithError("the program did not report its first frame");
            return;
        }
        qint64 frameNs = 0;
        double rssMib = 0;
        for (const QByteArray &line : process.readAllStandardOutput().split('\n')) {
            if (line.startsWith("first-frame-ns "))
                frameNs = line.mid(15).toLongLong();
            else if (line.startsWith("rss-kib "))
                rssMib = line.mid(8).toDouble() / 1024;
        }
        const qint64 startNs = std::chrono::nanoseconds(started).count();
        state.SetIterationTime(double(frameNs - startNs) / 1e9);
        residentMib[program].push_back(rssMib);
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
    benchmark::RegisterBenchmark("bare window", startUp, "tarvo_bench_bare_window", QStringList())
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(9)
        ->Unit(benchmark::kMillisecond)
        ->ReportAggregatesOnly(true);
    benchmark::RegisterBenchmark("tarvo sign-in", startUp, "tarvo", appArguments)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(9)
        ->Unit(benchmark::kMillisecond)
        ->ReportAggregatesOnly(true);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    const auto found = reporter.times.find({"tarvo sign-in", ""});
    const auto base = reporter.times.find({"bare window", ""});
    if (found != reporter.times.end() && base != reporter.times.end()) {
        std::printf("\nfirst frame (median): tarvo %.0f ms / bare window %.0f ms = %.2fx\n",
                    found->second, base->second, found->second / base->second);
    }
    const double appRss = median(residentMib["tarvo"]);
    const double baseRss = median(residentMib["tarvo_bench_bare_window"]);
    if (baseRss > 0)
        std::printf(
            "resident memory then (median): tarvo %.1f MiB / bare window %.1f MiB = %.2fx\n",
            appRss, baseRss, appRss / baseRss);
    benchmark::Shutdown();
    return 0;
}
