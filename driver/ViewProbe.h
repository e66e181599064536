#pragma once

#include <QList>
#include <QPointF>
#include <QString>
#include <Qt>

class QQuickItem;
class QQuickWindow;

/// Looks at and acts on a window's views the way a person does: finds what is visible by its
/// text, taps it, types into inputs. The guided tour and the view tests share it.
class ViewProbe
{
public:
    explicit ViewProbe(QQuickWindow *window);

    QQuickWindow *window() const { return m_window; }

    /// The topmost item on screen whose `text` is exactly `text`.
    QQuickItem *visibleText(const QString &text) const;
    /// The topmost item on screen whose `text` contains `part`.
    QQuickItem *visibleTextContaining(const QString &part) const;
    /// Every item on screen with this object name.
    QList<QQuickItem *> visibleNamed(const QString &objectName) const;

    /// A press and a release at the item's centre. False when the item is not on screen.
    bool tap(QQuickItem *item);
    bool tapText(const QString &text) { return tap(visibleText(text)); }
    /// Taps the input a placeholder belongs to, clears it and types `text` key by key.
    /// False when no such input is on screen.
    bool typeInto(const QString &placeholder, const QString &text);
    /// The item beside `item` (same parent) with this object name: another label of its row.
    static QQuickItem *besideNamed(const QQuickItem *item, const QString &objectName);
    /// Turns the mouse wheel over the item's centre by `notches` (negative: towards the end of
    /// a list). False when the item is not on screen.
    bool turnWheel(QQuickItem *item, int notches);

    /// A press and a release at a point of the window, in pixels.
    void tapAt(QPointF at);
    /// A press at `from`, moves in `steps` steps, a release at `to`.
    void drag(QPointF from, QPointF to, int steps = 10);
    /// A key pressed and released, sent to the window as a keyboard does.
    void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    /// Each character of `text` typed, key by key, into whatever has the keyboard focus.
    void typeText(const QString &text);
    /// The topmost visible, enabled item at a point of the window that takes mouse presses:
    /// where a tap there goes.
    QQuickItem *inputItemAt(QPointF at) const;

    static bool shown(const QQuickItem *item);
    static QPointF centre(const QQuickItem *item);

private:
    template<typename Matches>
    QQuickItem *firstShown(QQuickItem *root, const Matches &matches) const;
    bool onScreen(const QQuickItem *item) const;

    QQuickWindow *m_window;
};
