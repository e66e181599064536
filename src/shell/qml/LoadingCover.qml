import QtQml
import QtQuick
import Tarvo.Ui

// The waiting indicator over a screen's content: a cover that takes every tap and key meant
// for the content, and on it a dark square with a ring of dots that pulse one after the other,
// so the ring seems to turn.
CoveringLayer {
    id: root

    required property KTLoadingView loadingView
    property real pt: 1

    shade: Theme.scrim
    Accessible.role: Accessible.Indicator
    Accessible.name: qsTr("正在加载")

    Rectangle {
        id: square
        anchors.centerIn: parent
        width: 50 * root.pt
        height: 50 * root.pt
        radius: 10 * root.pt
        color: Theme.loadingSquare

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
                    color: Theme.loadingDot
                    scale: 0.1

                    NumberAnimation {
                        id: pulse
                        target: dot
                        property: "scale"
                        from: 1
                        to: 0.1
                        duration: root.loadingView.duration * 1000
                        loops: Animation.Infinite
                    }
                    // Each dot starts a fifteenth of a pulse after the one before it.
                    Timer {
                        interval: spoke.index * root.loadingView.duration * 1000
                                  / root.loadingView.dotCount
                        running: root.loadingView.animating
                        onTriggered: pulse.start()
                    }
                }
            }
        }
    }
}
