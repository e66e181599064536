// Kept name (traceability): see docs/names.md
import QtQml
import QtQuick

// A panel that keeps every touch that starts on it: nothing behind it sees the touch.
Item {
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        preventStealing: true
        onWheel: (wheel) => wheel.accepted = true
    }
}
