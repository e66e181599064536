#include "ImageCache.h"

#include "shell/ShellLog.h"

#include <QCryptographicHash>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QSaveFile>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {
// Decoded pictures held in memory, in kilobytes: a few screens of carousel pictures.
constexpr int memoryBudgetKb = 32 * 1024;
} // namespace

ImageCache::ImageCache(QNetworkAccessManager *network, const QString &diskFolder, QObject *parent)
    : QObject(parent)
    , m_network(network)
    , m_disk(diskFolder)
    , m_memory(memoryBudgetKb)
{
    if (!m_disk.mkpath(u"."_s))
        qCWarning(lcShell).noquote() << "cannot create the image cache folder" << diskFolder;
}

QString ImageCache::diskPath(const QUrl &url) const
{
    return m_disk.filePath(QString::fromLatin1(
        QCryptographicHash::hash(url.toEncoded(), QCryptographicHash::Sha1).toHex()));
}

QImage ImageCache::cached(const QUrl &url)
{
    if (const QImage *image = m_memory.object(url))
        return *image;
    QImage image(diskPath(url));
    if (!image.isNull())
        m_memory.insert(url, new QImage(image), int(image.sizeInBytes() / 1024) + 1);
    return image;
}

void ImageCache::load(const QUrl &url, QObject *receiver, Handler handler)
{
    const QImage image = cached(url);
    if (!image.isNull()) {
        // Asynchronous even when cached, so callers see one order of events.
        QTimer::singleShot(0, receiver, [image, handler = std::move(handler)] { handler(image); });
        return;
    }
    const bool started = m_waiting.contains(url);
    m_waiting[url].append({QPointer(receiver), std::move(handler)});
    if (!started)
        download(url);
}

void ImageCache::download(const QUrl &url)
{
    QNetworkReply *reply = m_network->get(QNetworkRequest(url));
    connect(reply, &QNetworkReply::finished, this, [this, reply, url] {
        reply->deleteLater();
        QImage image;
        const QByteArray bytes = reply->readAll();
        if (reply->error() == QNetworkReply::NoError && image.loadFromData(bytes)) {
            QSaveFile file(diskPath(url));
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
                !file.commit())
                qCWarning(lcShell) << "cannot keep a picture on disk:" << file.errorString();
            m_memory.insert(url, new QImage(image), int(image.sizeInBytes() / 1024) + 1);
        } else {
            qCInfo(lcShell).noquote()
                << "picture not loaded:" << url.toString() << reply->errorString();
        }
        const auto waiting = m_waiting.take(url);
        for (const auto &[receiver, handler] : waiting) {
            if (receiver)
                handler(image);
        }
    });
}
