#pragma once

#include <QObject>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

class ImageCache;

/// One picture of the home carousel: its URL and, once downloaded, its QML source.
// Kept name (traceability): see docs/names.md
class HomeWheelCell : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    // Kept name (traceability): see docs/names.md
    Q_PROPERTY(QString picName READ picName CONSTANT)
    /// Empty until the picture has arrived; stays empty when it cannot be loaded.
    Q_PROPERTY(QUrl imageSource READ imageSource NOTIFY imageSourceChanged)

public:
    HomeWheelCell(const QString &picName, ImageCache *cache, QObject *parent = nullptr);

    QString picName() const { return m_picName; }
    QUrl imageSource() const { return m_imageSource; }

signals:
    void imageSourceChanged();

private:
    QString m_picName;
    QUrl m_imageSource;
};
