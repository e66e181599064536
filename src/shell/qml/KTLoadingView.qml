import QtQuick

// The waiting indicator over a screen: a cover that takes every touch, and on it a dark
// square with a ring of dots that pulse one after the other, so the ring seems to turn.
Item {
    id: root

    required property var loadingView
    property real pt: 1

    Rectangle {
        anchors.fill: parent
        color: Qt.rgba(0, 0, 0, 0.4)
    }

    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        hoverEnabled: true
        preventStealing: true
        onWheel: (wheel) => wheel.accepted = true
    }

    Rectangle {
        id: square
        anchors.centerIn: parent
        width: 50 * root.pt
        height: 50 * root.pt
        radius: 10 * root.pt
        color: Qt.rgba(0, 0, 0, 0.7)

        Repeater {
            model: root.loadingView.dotCount
            Item {
                id: spoke
                required property int index
                anchors.fill: parent
                rotation: index * 360 / root.loadingView.dotCount

                Rectangle {
                    id: dot
                    objectName: "loadingDot"
                    width: 8 * root.pt
                    height: width
                    x: (spoke.width - width) / 2
                    y: 0
                    radius: root.loadingView.circularDots ? width / 2 : 0
                    color: "red"
                    scale: 0.1

                    NumberAnimation on scale {
                        id: pulse
                        running: false
                        from: 1
                        to: 0.1
                        duration: root.loadingView.duration * 1000
                        loops: Animation.Infinite
                    }
                    // Each dot starts a fifteenth of a pulse after the one before it.
                    Timer {
                        interval: spoke.index * root.loadingView.duration * 1000 / root.loadingView.dotCount
                        running: root.loadingView.animating
                        onTriggered: pulse.start()
                    }
                }
            }
        }
    }
}
