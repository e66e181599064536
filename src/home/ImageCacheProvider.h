#pragma once

#include <QQuickImageProvider>

class ImageCache;

/// Shows cached pictures to QML as "image://cache/<url>".
class ImageCacheProvider : public QQuickImageProvider
{
public:
    static constexpr QLatin1StringView name{"cache"};

    explicit ImageCacheProvider(ImageCache *cache);

    QImage requestImage(const QString &id, QSize *size, const QSize &requestedSize) override;

    /// The QML source of a picture once it is cached.
    static QUrl source(const QUrl &url);

private:
    ImageCache *m_cache;
};
