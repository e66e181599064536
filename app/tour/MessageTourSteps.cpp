#include "TourSteps.h"
#include "driver/GuidedTour.h"

#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

const QString messageTitle = u"停水通知"_s;
const QString messageText = u"因管网检修，今晚22:00至次日6:00城北片区停水，请提前储水。"_s;

/// Leaves a message in the sandbox the way the company's staff would.
bool addMessage(const TourContext &context)
{
    QNetworkRequest request(context.websiteUrl.resolved(QUrl(u"/admin/messages"_s)));
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
    request.setTransferTimeout(5000);
    QNetworkReply *reply = context.network->post(
        request,
        QJsonDocument(QJsonObject{{u"title"_s, messageTitle}, {u"text"_s, messageText}}).toJson());
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    reply->deleteLater();
    return reply->error() == QNetworkReply::NoError;
}

} // namespace

void addMessageTourSteps(GuidedTour &tour, const TourContext &context)
{
    // While the window is minimised the app asks for new messages and notifies them.
    tour.add(
        u"message-in-background"_s,
        [context](ViewProbe &probe) {
            if (!addMessage(context))
                return false;
            probe.window()->showMinimized();
            return true;
        },
        [](ViewProbe &probe) {
            return probe.visibleNamed(u"bannerBody"_s).isEmpty() ? u"no notification shown"_s
                                                                 : QString();
        });
    // Back in front, the customer taps away the older notifications until the new one shows.
    tour.add(
        u"new-message"_s,
        [](ViewProbe &probe) {
            probe.window()->showNormal();
            return true;
        },
        [](ViewProbe &probe) {
            if (probe.visibleTextContaining(messageText))
                return QString();
            const QList<QQuickItem *> banner = probe.visibleNamed(u"bannerBody"_s);
            if (!banner.isEmpty())
                probe.tap(banner.constFirst());
            return u"the new message was not notified"_s;
        });
}
