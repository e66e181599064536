#pragma once

#include "HomeWheelCell.h"

#include <QList>
#include <QObject>
#include <QQmlListProperty>
#include <QStringList>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

class ImageCache;

/// The home screen's carousel: pictures one page each, page dots, and an advance every two
/// seconds that pauses while the user drags.
// Kept name (traceability): see docs/names.md
class KTWheelPhotoView : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by the app's C++")
    // Kept name (traceability): see docs/names.md
    Q_PROPERTY(QStringList picArray READ picArray CONSTANT)
    Q_PROPERTY(qreal HIGHT READ height CONSTANT)
    Q_PROPERTY(QQmlListProperty<HomeWheelCell> cells READ cellList CONSTANT)
    /// The page dot shown as current.
    Q_PROPERTY(int currentPage READ currentPage NOTIFY currentPageChanged)

public:
    KTWheelPhotoView(qreal height, const QStringList &picArray, ImageCache *cache,
                     QObject *parent = nullptr);

    QStringList picArray() const { return m_picArray; }
    qreal height() const { return m_height; }
    QList<QObject *> cells() const { return m_cells; }
    QQmlListProperty<HomeWheelCell> cellList();
    int currentPage() const { return m_currentPage; }
    bool isAdvancing() const { return m_timer.isActive(); }

    /// The list scrolled to `offset`; pages are `pageWidth` wide.
    Q_INVOKABLE void didScroll(qreal offset, qreal pageWidth);
    Q_INVOKABLE void willBeginDragging();
    Q_INVOKABLE void didEndDragging();
    /// A tap on a picture.
    Q_INVOKABLE void selectItem(int index);

    /// One timer step: the next page, or back to the first after the last.
    void advance();

signals:
    void currentPageChanged();
    /// The view should scroll, animated, to this offset.
    void scrollRequested(qreal offset);
    // Kept name (traceability): see docs/names.md
    void ktWheelPhotoDidselectedIndex(const QString &picName);

private:
    QStringList m_picArray;
    qreal m_height;
    QList<QObject *> m_cells;
    // Kept name (traceability): see docs/names.md
    QTimer m_timer;
    qreal m_offset = 0;
    qreal m_pageWidth = 0;
    int m_currentPage = 0;
};
