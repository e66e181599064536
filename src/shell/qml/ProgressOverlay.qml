import QtQml
import QtQuick

// The one progress overlay over the window: it takes every tap and key while it is up; with a
// text the window behind is dimmed.
CoveringLayer {
    id: overlay

    property string text
    property real pt: 1

    shade: overlay.text.length > 0 ? Theme.scrim : Theme.clear
    Accessible.role: Accessible.Indicator
    Accessible.name: overlay.text.length > 0 ? overlay.text : qsTr("正在加载")

    Rectangle {
        anchors.centerIn: parent
        width: Math.max(100 * overlay.pt, caption.implicitWidth + 32 * overlay.pt)
        height: caption.visible ? 110 * overlay.pt : 90 * overlay.pt
        radius: 10 * overlay.pt
        color: Theme.progressPanel

        Item {
            id: spinner
            width: 36 * overlay.pt
            height: width
            anchors.horizontalCenter: parent.horizontalCenter
            y: caption.visible ? 20 * overlay.pt : (parent.height - height) / 2

            Repeater {
                model: 12
                Rectangle {
                    id: tick
                    required property int index
                    x: (spinner.width - width) / 2
                    width: 3 * overlay.pt
                    height: spinner.height * 0.28
                    radius: width / 2
                    color: Theme.lightText
                    opacity: 0.25 + 0.75 * index / 11
                    transform: Rotation {
                        origin.x: 1.5 * overlay.pt
                        origin.y: spinner.height / 2
                        angle: tick.index * 30
                    }
                }
            }
            RotationAnimation on rotation {
                from: 0; to: 360; duration: 1000
                loops: Animation.Infinite
                running: overlay.visible
            }
        }

        Text {
            id: caption
            visible: overlay.text.length > 0
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 18 * overlay.pt
            text: overlay.text
            color: Theme.lightText
            font.pixelSize: Theme.typeSize(15) * overlay.pt
        }
    }
}
