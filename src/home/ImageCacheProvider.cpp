#include "ImageCacheProvider.h"

#include "ImageCache.h"

#include <QUrl>

using namespace Qt::StringLiterals;

ImageCacheProvider::ImageCacheProvider(ImageCache *cache)
    : QQuickImageProvider(QQuickImageProvider::Image)
    , m_cache(cache)
{}

QImage ImageCacheProvider::requestImage(const QString &id, QSize *size, const QSize &requestedSize)
{
    QImage image = m_cache->cached(QUrl(QUrl::fromPercentEncoding(id.toLatin1())));
    if (size)
        *size = image.size();
    if (!image.isNull() && requestedSize.isValid())
        image = image.scaled(requestedSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

QUrl ImageCacheProvider::source(const QUrl &url)
{
    return QUrl(u"image://"_s + name + u'/' +
                QString::fromLatin1(QUrl::toPercentEncoding(url.toString())));
}
