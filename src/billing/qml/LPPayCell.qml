import QtQml
import QtQuick
import Tarvo.Ui

// One result row of the payment screen: the title on the left, the value beside it.
Rectangle {
    id: cell

    property alias title: nameLable.text
    property alias value: contentlable.text
    property color valueColor: Theme.text
    // A row that does something when tapped: reachable with Tab, pressed with Space.
    property bool actionable: false
    property real pt: 1
    signal tapped()

    radius: 3 * pt
    clip: true
    color: actionable && tap.pressed ? Theme.pressed : Theme.page
    border.color: activeFocus ? Theme.brand : Theme.clear
    border.width: activeFocus ? 2 : 0
    activeFocusOnTab: actionable
    Accessible.role: actionable ? Accessible.Button : Accessible.ListItem
    Accessible.name: title + " " + value
    Accessible.onPressAction: cell.tapped()
    Keys.onSpacePressed: cell.tapped()
    Keys.onReturnPressed: cell.tapped()
    Keys.onEnterPressed: cell.tapped()

    Text {
        id: nameLable
        objectName: "nameLable"
        x: 10 * cell.pt
        width: 95 * cell.pt
        height: parent.height
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: 15 * cell.pt
        color: Theme.text
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
        id: tap
        anchors.fill: parent
        onClicked: cell.tapped()
    }
}
