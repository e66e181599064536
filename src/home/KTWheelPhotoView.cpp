#include "KTWheelPhotoView.h"

#include "HomeWheelCell.h"
#include "shell/ReadOnlyList.h"

#include <cmath>

namespace {
constexpr int advanceIntervalMs = 2000;
} // namespace

KTWheelPhotoView::KTWheelPhotoView(qreal height, const QStringList &picArray, ImageCache *cache,
                                   QObject *parent)
    : QObject(parent)
    , m_picArray(picArray)
    , m_height(height)
{
    for (const QString &picName : picArray)
        m_cells.append(new HomeWheelCell(picName, cache, this));
    m_timer.setInterval(advanceIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &KTWheelPhotoView::advance);
    m_timer.start();
}

void KTWheelPhotoView::advance()
{
    if (m_pageWidth <= 0)
        return;
    const qreal next = m_offset + m_pageWidth;
    emit scrollRequested(next >= m_pageWidth * m_picArray.size() ? 0 : next);
}

void KTWheelPhotoView::didScroll(qreal offset, qreal pageWidth)
{
    m_offset = offset;
    m_pageWidth = pageWidth;
    if (pageWidth <= 0)
        return;
    const int page = int(std::trunc(offset / pageWidth + 0.5));
    if (page == m_currentPage)
        return;
    m_currentPage = page;
    emit currentPageChanged();
}

void KTWheelPhotoView::willBeginDragging()
{
    m_timer.stop();
}

void KTWheelPhotoView::didEndDragging()
{
    m_timer.start();
}

void KTWheelPhotoView::selectItem(int index)
{
    if (index >= 0 && index < m_picArray.size())
        emit ktWheelPhotoDidselectedIndex(m_picArray.at(index));
}

QQmlListProperty<HomeWheelCell> KTWheelPhotoView::cellList()
{
    return readOnlyList<HomeWheelCell>(this, &m_cells);
}
