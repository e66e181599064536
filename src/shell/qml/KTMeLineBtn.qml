import QtQuick

// A menu-grid button: picture in the top 60 %, caption in the bottom 40 %, and grey lines along
// the bottom and right edges so that a grid of them shows separators.
Rectangle {
    id: button

    property alias text: caption.text
    property alias icon: picture.source
    property real pt: 1
    signal clicked()

    color: tap.pressed ? "#f0f0f0" : "white"

    Image {
        id: picture
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.top
        anchors.bottomMargin: -parent.height * 0.6
        width: Math.min(parent.width, parent.height * 0.6) * 0.62
        height: width
        sourceSize: Qt.size(width, height)
        fillMode: Image.PreserveAspectFit
    }

    Text {
        id: caption
        anchors.bottom: parent.bottom
        width: parent.width
        height: parent.height * 0.4
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: 14 * button.pt
        color: "#333333"
    }

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 2 * button.pt
        color: Qt.rgba(187 / 255, 187 / 255, 187 / 255, 1)
    }
    Rectangle {
        anchors.right: parent.right
        width: 2 * button.pt
        height: parent.height
        color: Qt.rgba(187 / 255, 187 / 255, 187 / 255, 1)
    }

    MouseArea {
        id: tap
        anchors.fill: parent
        onClicked: button.clicked()
    }
}
