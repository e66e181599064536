import QtQml
import QtQuick
import Tarvo.Ui

// The navigation stack: a pushed page slides in from the right over the one it covers, a popped
// page slides back out to the right; once a slide is over only the top page is shown, and the
// pages beneath keep their state. A push or pop during a slide ends that slide first; a tap
// during a slide is dropped.
//
// Our own rather than Qt Quick Controls' StackView, whose style and template plugins would
// otherwise load before the first frame of every start.
Item {
    id: stack

    // The pages from the bottom up.
    property var pages: []
    readonly property ScreenPage currentItem: pages.length > 0 ? pages[pages.length - 1] : null

    // The slide under way: the page coming to the top, and the page it replaces there, which
    // is hidden afterwards or, when popped, destroyed.
    property ScreenPage arriving: null
    property ScreenPage leaving: null
    property bool leavingPopped: false

    function push(view, properties, animated) {
        settle()
        const component = Qt.createComponent(view)
        if (component.status !== Component.Ready) {
            console.warn("cannot load", view, component.errorString())
            return
        }
        const below = currentItem
        const page = component.createObject(stack, Object.assign({
            width: stack.width, height: stack.height,
            x: animated && below ? stack.width : 0
        }, properties))
        if (!page) {
            console.warn("cannot create", view, component.errorString())
            return
        }
        page.width = Qt.binding(() => stack.width)
        page.height = Qt.binding(() => stack.height)
        pages = pages.concat([page])
        if (below)
            below.deactivating()
        slide(page, below, false, animated && below !== null, 1)
    }

    function pop(animated) {
        settle()
        if (pages.length < 2)
            return
        const top = currentItem
        pages = pages.slice(0, -1)
        top.deactivating()
        currentItem.visible = true
        slide(currentItem, top, true, animated, -1)
    }

    // direction: 1 for a push (the new page comes from the right), -1 for a pop.
    function slide(arrivingPage, leavingPage, popped, animated, direction) {
        arriving = arrivingPage
        leaving = leavingPage
        leavingPopped = popped
        if (!animated) {
            settle()
            return
        }
        arrivingMove.from = direction * stack.width
        leavingMove.to = -direction * stack.width
        motion.start()
    }

    function settle() {
        if (motion.running)
            motion.stop()
        if (arriving)
            arriving.x = 0
        if (leaving) {
            // Hidden at once: destroy() waits for the event loop.
            leaving.visible = false
            leaving.x = 0
            if (leavingPopped)
                leaving.destroy()
        }
        arriving = null
        leaving = null
    }

    // Taps during a slide go nowhere, so that a second tap cannot open a second screen.
    MouseArea {
        anchors.fill: parent
        z: 1
        visible: motion.running
        acceptedButtons: Qt.AllButtons
        preventStealing: true
        onWheel: (wheel) => wheel.accepted = true
    }

    ParallelAnimation {
        id: motion
        NumberAnimation {
            id: arrivingMove
            target: stack.arriving
            property: "x"
            to: 0
            duration: 400
            easing.type: Easing.OutCubic
        }
        NumberAnimation {
            id: leavingMove
            target: stack.leaving
            property: "x"
            from: 0
            duration: 400
            easing.type: Easing.OutCubic
        }
        onFinished: stack.settle()
    }
}
