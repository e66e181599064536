#include "ViewProbe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <functional>

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

namespace {

void sendMouse(QQuickWindow *window, QEvent::Type type, QPointF at, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, at, window->mapToGlobal(at), button, buttons, Qt::NoModifier,
                      QPointingDevice::primaryPointingDevice());
    QCoreApplication::sendEvent(window, &event);
}

} // namespace

bool ViewProbe::tap(QQuickItem *item)
{
    if (!item || !onScreen(item))
        return false;
    tapAt(centre(item));
    return true;
}

void ViewProbe::tapAt(QPointF at)
{
    sendMouse(m_window, QEvent::MouseButtonPress, at, Qt::LeftButton);
    sendMouse(m_window, QEvent::MouseButtonRelease, at, Qt::NoButton);
}

void ViewProbe::drag(QPointF from, QPointF to, int steps)
{
    sendMouse(m_window, QEvent::MouseButtonPress, from, Qt::LeftButton);
    for (int step = 1; step <= steps; ++step) {
        // Moves come apart in time, as a hand makes them; drag handlers measure speed.
        QTest::qWait(10);
        sendMouse(m_window, QEvent::MouseMove, from + (to - from) * step / steps, Qt::LeftButton);
    }
    sendMouse(m_window, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

void ViewProbe::pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(m_window, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QCoreApplication::sendEvent(m_window, &release);
}

void ViewProbe::typeText(const QString &text)
{
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QCoreApplication::sendEvent(m_window, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
        QCoreApplication::sendEvent(m_window, &release);
    }
}

QQuickItem *ViewProbe::inputItemAt(QPointF at) const
{
    // Hit-testing as the window does: children drawn later (and higher z) first.
    std::function<QQuickItem *(QQuickItem *)> search = [&](QQuickItem *item) -> QQuickItem * {
        if (!item->isVisible() || !item->isEnabled() || item->opacity() == 0)
            return nullptr;
        const QPointF local = item->mapFromScene(at);
        if (item->clip() && !item->contains(local))
            return nullptr;
        QList<QQuickItem *> children = item->childItems();
        std::stable_sort(children.begin(), children.end(),
                         [](QQuickItem *a, QQuickItem *b) { return a->z() < b->z(); });
        for (auto child = children.crbegin(); child != children.crend(); ++child) {
            if (QQuickItem *found = search(*child))
                return found;
        }
        if (item->acceptedMouseButtons() != Qt::NoButton && item->contains(local))
            return item;
        return nullptr;
    };
    return search(m_window->contentItem());
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
    pressKey(Qt::Key_Backspace);
    typeText(text);
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
