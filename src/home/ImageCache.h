#pragma once

#include <QCache>
#include <QDir>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <functional>

class QNetworkAccessManager;

/// Pictures by URL, kept in memory and on disk so that a page seen once shows at once.
///
/// Loading is asynchronous and delivers on the main thread; a failed download delivers a
/// null image and is not kept, so the next load tries again.
class ImageCache : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(const QImage &image)>;

    ImageCache(QNetworkAccessManager *network, const QString &diskFolder,
               QObject *parent = nullptr);

    /// Delivers the picture to `handler` while `receiver` lives.
    void load(const QUrl &url, QObject *receiver, Handler handler);

    /// The picture when it is in memory or on disk; a null image otherwise.
    QImage cached(const QUrl &url);

private:
    QString diskPath(const QUrl &url) const;
    void download(const QUrl &url);

    QNetworkAccessManager *m_network;
    QDir m_disk;
    QCache<QUrl, QImage> m_memory;
    QHash<QUrl, QList<std::pair<QPointer<QObject>, Handler>>> m_waiting;
};
