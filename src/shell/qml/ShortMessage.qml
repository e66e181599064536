import QtQml
import QtQuick

// The short-lived message: fades in, stays, fades out, and goes away with its screen. It takes
// no taps: the screen stays usable beneath it.
Rectangle {
    id: label

    property alias text: caption.text
    property real seconds: 2
    property real pt: 1

    anchors.centerIn: parent
    width: 200 * pt
    height: 40 * pt
    radius: 15 * pt
    clip: true
    color: Theme.messageGround
    opacity: 0
    Accessible.role: Accessible.StaticText
    Accessible.name: caption.text

    Text {
        id: caption
        anchors.fill: parent
        anchors.margins: 4 * label.pt
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 10 * label.pt
        font.pixelSize: Theme.typeSize(16) * label.pt
        color: Theme.messageText
    }

    SequentialAnimation {
        running: true
        NumberAnimation { target: label; property: "opacity"; to: 1; duration: 500 }
        PauseAnimation { duration: label.seconds * 1000 }
        NumberAnimation { target: label; property: "opacity"; to: 0; duration: 500 }
        onFinished: label.destroy()
    }
}
