import QtQml
import QtQuick

// A layer over what lies beneath it: alerts, sheets, pickers, prompts, the modal screens and
// the waiting covers are all one. While it is shown it takes every tap, drag, wheel turn and key
// meant for what it covers, and it holds the keyboard focus; when it goes, the focus returns to
// where it was. (Whoever stacks layers also switches off what they cover, so that Tab cannot
// walk into it: see Main.qml and ScreenPage.)
FocusScope {
    id: layer

    // How the layer tints what it covers.
    property color shade: Theme.clear
    // The item that had the focus before the layer came; it gets it back when the layer goes.
    property Item returnFocusTo: null

    // A tap on the layer itself, not on anything laid on it.
    signal backgroundTapped()
    // Escape while the layer has the focus: close it, or whatever its owner decides.
    signal escapePressed()
    // Enter or Return not taken by anything on the layer: its default action.
    signal enterPressed()
    // A press and release on the layer itself, from one x to another: a swipe when they differ.
    signal backgroundSwiped(real fromX, real toX)

    Accessible.role: Accessible.Dialog

    function takeFocus() {
        if (!visible)
            return
        const window = layer.Window.window
        const current = window ? window.activeFocusItem : null
        if (current && !isInside(current))
            returnFocusTo = current
        forceActiveFocus()
    }
    function giveBackFocus() {
        const previous = returnFocusTo
        returnFocusTo = null
        // Later: what the layer covered is switched back on only once it has gone. A layer
        // that has gone meanwhile too (the progress overlay under an alert) gets nothing:
        // hidden, it would hold the keys of whatever came up since.
        if (previous)
            Qt.callLater(() => {
                if (previous && previous.enabled && previous.visible)
                    previous.forceActiveFocus()
            })
    }
    function isInside(item) {
        for (let it = item; it; it = it.parent) {
            if (it === layer)
                return true
        }
        return false
    }

    onVisibleChanged: visible ? takeFocus() : giveBackFocus()
    Component.onCompleted: takeFocus()
    Component.onDestruction: if (visible) giveBackFocus()

    Rectangle {
        anchors.fill: parent
        color: layer.shade
    }
    MouseArea {
        objectName: "coverArea"
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        hoverEnabled: true
        preventStealing: true
        property real pressX: 0
        onPressed: (mouse) => {
            pressX = mouse.x
            layer.takeFocus()
        }
        onReleased: (mouse) => layer.backgroundSwiped(pressX, mouse.x)
        onClicked: layer.backgroundTapped()
        onWheel: (wheel) => wheel.accepted = true
    }

    Keys.onPressed: (event) => {
        if (event.key === Qt.Key_Escape)
            layer.escapePressed()
        else if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter)
            layer.enterPressed()
        // Nothing typed on a layer goes past it.
        event.accepted = true
    }
}
