#pragma once

#include <QList>
#include <QStringList>
#include <QUrl>

/// Many clients calling the service at once, each over a keep-alive connection of its own,
/// with the app's own envelope, transport and reply code.
namespace LoadRun {

struct Options
{
    QUrl serviceUrl;
    int clients = 16;
    /// Alternately queryExpense and createOrder, one after another on each client.
    int requestsPerClient = 20;
    /// Only queryExpense: the load of customers looking up what they owe.
    bool queriesOnly = false;
};

struct Result
{
    int sent = 0;
    int succeeded = 0;
    /// Failed exchanges, wrong answers and answers that came twice.
    int failed = 0;
    int ordersAccepted = 0;
    QStringList failureSamples; ///< the first few reasons
    QList<double> latenciesMs;  ///< of every exchange that ended, sorted
    double seconds = 0;

    /// Nearest-rank percentile of the latencies, p in (0, 100].
    double percentile(double p) const;
    double requestsPerSecond() const { return seconds > 0 ? sent / seconds : 0; }
};

/// Runs the clients to their last answer on the calling thread's event loop.
Result run(const Options &options);

} // namespace LoadRun
