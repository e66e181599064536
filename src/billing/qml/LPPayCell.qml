import QtQuick

// One result row of the payment screen: the title on the left, the value beside it.
Rectangle {
    id: cell

    property alias title: nameLable.text
    property alias value: contentlable.text
    property color valueColor: "#333333"
    property real pt: 1
    signal tapped()

    radius: 3 * pt
    clip: true
    color: "white"

    Text {
        id: nameLable
        objectName: "nameLable"
        x: 10 * cell.pt
        width: 95 * cell.pt
        height: parent.height
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: 15 * cell.pt
        color: "#333333"
    }

    Text {
        id: contentlable
        objectName: "contentlable"
        anchors.left: nameLable.right
        anchors.right: parent.right
        anchors.rightMargin: 10 * cell.pt
        height: parent.height
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
        font.pixelSize: 15 * cell.pt
        color: cell.valueColor
    }

    MouseArea {
        anchors.fill: parent
        onClicked: cell.tapped()
    }
}
