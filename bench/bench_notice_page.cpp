// A notice page in the web view: the time from a tap on the first row of the notice list to
// the frame that shows its page, and the resident memory with the page open, against the
// smallest Qt Quick program that makes a WebEngineView with the same HTML
// (tarvo_bench_bare_web_view). The app fetches the page from a sandbox started here on
// loopback, scrapes it and makes its web view; the HTML it shows is saved and given to the
// bare program. Both run offscreen, one after the other, nine times; the medians and their
// ratios are printed at the end. Memory is given for the program's own process and for it
// with its web engine processes (QtWebEngineProcess and its zygotes).
#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <map>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

const int runs = 9;
const quint16 sandboxPort = 7331;

QString binary(const QString &name)
{
    return QCoreApplication::applicationDirPath() + u'/' + name;
}

qint64 vmRssKib(const QString &pid)
{
    QFile status(u"/proc/"_s + pid + u"/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    static const QRegularExpression vmRss(u"VmRSS:\\s*(\\d+)"_s);
    return vmRss.match(QString::fromLatin1(status.readAll())).captured(1).toLongLong();
}

/// The resident memory of a process and all its descendants, in KiB.
qint64 treeRssKib(qint64 root)
{
    std::multimap<QString, QString> children;
    for (const QString &pid : QDir(u"/proc"_s).entryList({u"[0-9]*"_s}, QDir::Dirs)) {
        QFile stat(u"/proc/"_s + pid + u"/stat"_s);
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        // The parent is the second field after the command, which is in parentheses.
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1)
            children.emplace(QString::fromLatin1(fields[1]), pid);
    }
    qint64 total = 0;
    QStringList pending{QString::number(root)};
    while (!pending.isEmpty()) {
        const QString pid = pending.takeLast();
        total += vmRssKib(pid);
        const auto [first, last] = children.equal_range(pid);
        for (auto child = first; child != last; ++child)
            pending.append(child->second);
    }
    return total;
}

struct Sample
{
    double tapToPaintedMs = 0;
    double ownMib = 0;
    double withEngineMib = 0;
};

/// Runs a program that prints "tap-ns", "painted-ns" and "rss-kib" lines; the memory of its
/// whole tree is read as soon as it has printed them, while the page is still open.
std::optional<Sample> probe(const QString &program, const QStringList &arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"QTWEBENGINE_DISABLE_SANDBOX"_s, u"1"_s);
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(binary(program), arguments);
    QByteArray output;
    std::optional<Sample> sample;
    while (process.waitForReadyRead(60000)) {
        output += process.readAllStandardOutput();
        if (!output.contains("rss-kib ") || !output.endsWith('\n'))
            continue;
        qint64 tapNs = 0;
        qint64 paintedNs = 0;
        qint64 ownKib = 0;
        for (const QByteArray &line : output.split('\n')) {
            if (line.startsWith("tap-ns "))
                tapNs = line.mid(7).toLongLong();
            else if (line.startsWith("painted-ns "))
                paintedNs = line.mid(11).toLongLong();
            else if (line.startsWith("rss-kib "))
                ownKib = line.mid(8).toLongLong();
        }
        sample = Sample{double(paintedNs - tapNs) / 1e6, double(ownKib) / 1024,
                        double(treeRssKib(process.processId())) / 1024};
        break;
    }
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        std::fprintf(stderr, "%s did not finish well: %s\n", qPrintable(program),
                     process.readAllStandardError().right(2000).constData());
        return std::nullopt;
    }
    return sample;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QProcess sandbox;
    sandbox.start(binary(u"tarvo-sandbox"_s), {u"--port"_s, QString::number(sandboxPort)});
    bool listening = false;
    for (int attempt = 0; attempt < 100 && !listening; ++attempt) {
        QTcpSocket socket;
        socket.connectToHost(u"127.0.0.1"_s, sandboxPort);
        listening = socket.waitForConnected(100);
        if (!listening)
            QThread::msleep(100);
    }
    if (!listening) {
        std::fprintf(stderr, "the sandbox does not listen on port %d\n", sandboxPort);
        return 1;
    }
    const QString site = u"http://127.0.0.1:%1"_s.arg(sandboxPort);

    std::map<QString, std::vector<Sample>> samples;
    for (int run = 0; run < runs; ++run) {
        QTemporaryDir home;
        const QString html = home.filePath(u"notice.html"_s);
        const std::optional<Sample> ours =
            probe(u"tarvo"_s, {u"--notice-probe"_s, html, u"--home"_s, home.path(), u"--service"_s,
                               site + u"/trvo/ws/appService"_s, u"--website"_s, site});
        const std::optional<Sample> bare =
            ours ? probe(u"tarvo_bench_bare_web_view"_s, {html}) : std::nullopt;
        if (!ours || !bare)
            return 1;
        std::printf("run %d: tarvo %.0f ms, %.1f / %.1f MiB; bare web view %.0f ms, %.1f / "
                    "%.1f MiB\n",
                    run + 1, ours->tapToPaintedMs, ours->ownMib, ours->withEngineMib,
                    bare->tapToPaintedMs, bare->ownMib, bare->withEngineMib);
        std::fflush(stdout);
        samples[u"tarvo"_s].push_back(*ours);
        samples[u"bare"_s].push_back(*bare);
    }
    sandbox.kill();
    sandbox.waitForFinished();

    const auto medianOf = [&](const QString &program, double Sample::*field) {
        std::vector<double> values;
        for (const Sample &sample : samples[program])
            values.push_back(sample.*field);
        return median(values);
    };
    std::printf("\nmedian of %d | tarvo | bare web view | ratio\n", runs);
    const std::pair<const char *, double Sample::*> rows[] = {
        {"tap -> page painted (ms)", &Sample::tapToPaintedMs},
        {"resident memory, own process (MiB)", &Sample::ownMib},
        {"resident memory, with web engine processes (MiB)", &Sample::withEngineMib}};
    for (const auto &[name, field] : rows) {
        const double ours = medianOf(u"tarvo"_s, field);
        const double bare = medianOf(u"bare"_s, field);
        std::printf("%s | %.1f | %.1f | %.2fx\n", name, ours, bare, ours / bare);
    }
    return 0;
}
