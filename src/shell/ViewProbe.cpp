#include "ViewProbe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QQuickItem>
#include <QQuickWindow>
#include <algorithm>
#include <cstdlib>

ViewProbe::ViewProbe(QQuickWindow *window)
    : m_window(window)
{}

bool ViewProbe::shown(const QQuickItem *item)
{
    for (const QQuickItem *it = item; it; it = it->parentItem()) {
        if (!it->isVisible() || it->opacity() == 0)
            return false;
    }
    return item != nullptr;
}

QPointF ViewProbe::centre(const QQuickItem *item)
{
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
}

bool ViewProbe::onScreen(const QQuickItem *item) const
{
    return shown(item) && QRectF(QPointF(), m_window->size()).contains(centre(item));
}

// Later children are drawn over earlier ones: the search goes from the top down, so that a
// screen presented over another is found before the one it covers.
template<typename Matches>
QQuickItem *ViewProbe::firstShown(QQuickItem *root, const Matches &matches) const
{
    const QList<QQuickItem *> children = root->childItems();
    for (auto child = children.crbegin(); child != children.crend(); ++child) {
        if (QQuickItem *found = firstShown(*child, matches))
            return found;
        if (matches(*child) && onScreen(*child))
            return *child;
    }
    return nullptr;
}

QQuickItem *ViewProbe::visibleText(const QString &text) const
{
    return firstShown(m_window->contentItem(), [&text](const QQuickItem *item) {
        return item->property("text").toString() == text;
    });
}

QQuickItem *ViewProbe::visibleTextContaining(const QString &part) const
{
    return firstShown(m_window->contentItem(), [&part](const QQuickItem *item) {
        return item->property("text").toString().contains(part);
    });
}

QList<QQuickItem *> ViewProbe::visibleNamed(const QString &objectName) const
{
    QList<QQuickItem *> found;
    QList<QQuickItem *> pending{m_window->contentItem()};
    while (!pending.isEmpty()) {
        QQuickItem *item = pending.takeFirst();
        if (item->objectName() == objectName && onScreen(item))
            found.append(item);
        pending += item->childItems();
    }
    return found;
}

bool ViewProbe::tap(QQuickItem *item)
{
    if (!item || !onScreen(item))
        return false;
    const QPointF at = centre(item);
    const QPointF global = m_window->mapToGlobal(at);
    const QPointingDevice *mouse = QPointingDevice::primaryPointingDevice();
    QMouseEvent press(QEvent::MouseButtonPress, at, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier, mouse);
    QCoreApplication::sendEvent(m_window, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier, mouse);
    QCoreApplication::sendEvent(m_window, &release);
    return true;
}

bool ViewProbe::typeInto(const QString &placeholder, const QString &text)
{
    // The placeholder is drawn inside the input it describes, or beside it in the same row.
    QQuickItem *hint = visibleText(placeholder);
    QQuickItem *input = hint ? hint->parentItem() : nullptr;
    if (!input || input->metaObject()->indexOfProperty("cursorPosition") < 0)
        return false;
    if (!tap(input) && !input->hasActiveFocus())
        input->forceActiveFocus();
    QMetaObject::invokeMethod(input, "selectAll");
    QKeyEvent erase(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QCoreApplication::sendEvent(m_window, &erase);
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QCoreApplication::sendEvent(m_window, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QCoreApplication::sendEvent(m_window, &release);
    }
    return input->property("text").toString() == text;
}

QQuickItem *ViewProbe::besideNamed(const QQuickItem *item, const QString &objectName)
{
    if (!item || !item->parentItem())
        return nullptr;
    const QList<QQuickItem *> siblings = item->parentItem()->childItems();
    const auto found = std::find_if(siblings.cbegin(), siblings.cend(), [&](QQuickItem *sibling) {
        return sibling->objectName() == objectName;
    });
    return found == siblings.cend() ? nullptr : *found;
}

bool ViewProbe::turnWheel(QQuickItem *item, int notches)
{
    if (!item || !onScreen(item))
        return false;
    // A list takes its speed from the time between notches: they come 50 ms apart.
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    quint64 time = quint64(clock.elapsed()) + 1;
    const QPointF at = centre(item);
    const QPoint notch(0, notches < 0 ? -120 : 120);
    for (int turned = 0; turned < std::abs(notches); ++turned) {
        QWheelEvent event(at, m_window->mapToGlobal(at), QPoint(), notch, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        event.setTimestamp(time);
        time += 50;
        QCoreApplication::sendEvent(m_window, &event);
    }
    return true;
}
