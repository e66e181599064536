import QtQml
import QtQuick
import Tarvo.Ui

// One function in a list of them (care mode's "更多服务"): its picture, its caption and an
// arrow, across the whole width.
Rectangle {
    id: row

    property alias text: caption.text
    property alias icon: picture.source
    property real pt: 1
    signal clicked()

    color: tap.pressed ? Theme.pressed : Theme.page
    activeFocusOnTab: true
    Accessible.role: Accessible.Button
    Accessible.name: caption.text
    Accessible.onPressAction: row.clicked()
    Keys.onSpacePressed: row.clicked()
    Keys.onReturnPressed: row.clicked()
    Keys.onEnterPressed: row.clicked()

    Image {
        id: picture
        x: 15 * row.pt
        anchors.verticalCenter: parent.verticalCenter
        width: 32 * row.pt
        height: width
        sourceSize.width: width
        sourceSize.height: height
    }
    Text {
        id: caption
        anchors.left: picture.right
        anchors.leftMargin: 12 * row.pt
        anchors.right: arrow.left
        anchors.verticalCenter: parent.verticalCenter
        elide: Text.ElideRight
        font.pixelSize: Theme.typeSize(18) * row.pt
        color: Theme.strongText
    }
    Text {
        id: arrow
        anchors.right: parent.right
        anchors.rightMargin: 15 * row.pt
        anchors.verticalCenter: parent.verticalCenter
        text: "›"
        font.pixelSize: Theme.typeSize(22) * row.pt
        color: Theme.secondaryText
    }
    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: Theme.borderWidth
        color: Theme.menuLine
    }
    Rectangle {
        anchors.fill: parent
        anchors.margins: 2 * row.pt
        visible: row.activeFocus
        color: Theme.clear
        border.color: Theme.brand
        border.width: Theme.focusWidth
    }
    MouseArea {
        id: tap
        anchors.fill: parent
        onClicked: row.clicked()
    }
}
