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
    // The title column: the design's 95 points, or wider where larger text needs it.
    property real titleWidth: 95 * pt
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
        width: cell.titleWidth
        height: parent.height
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: Theme.typeSize(15) * cell.pt
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
        font.pixelSize: Theme.typeSize(15) * cell.pt
        color: cell.valueColor
    }

    MouseArea {
        id: tap
        anchors.fill: parent
        onClicked: cell.tapped()
    }
}
