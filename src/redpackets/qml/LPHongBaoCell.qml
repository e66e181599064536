import QtQml
import QtQuick
import Tarvo.Ui

// One row of the red packet sheet: its title on the left, the selection mark on the right when
// the row is the current choice, a hairline under it.
Item {
    id: cell

    property alias title: titleLabel.text
    property bool marked: false
    property real pt: 1
    signal tapped()

    activeFocusOnTab: true
    Accessible.role: Accessible.RadioButton
    Accessible.name: title
    Accessible.checkable: true
    Accessible.checked: marked
    Accessible.onPressAction: cell.tapped()
    Keys.onSpacePressed: cell.tapped()
    Keys.onReturnPressed: cell.tapped()
    Keys.onEnterPressed: cell.tapped()

    Rectangle {
        anchors.fill: parent
        visible: cell.activeFocus
        color: Theme.pressed
    }

    Text {
        id: titleLabel
        objectName: "hongBaoRowTitle"
        anchors.left: parent.left
        anchors.leftMargin: 15 * cell.pt
        anchors.right: tipBtn.left
        anchors.rightMargin: 8 * cell.pt
        anchors.verticalCenter: parent.verticalCenter
        elide: Text.ElideRight
        font.pixelSize: Theme.typeSize(16) * cell.pt
        color: Theme.text
    }

    Image {
        id: tipBtn
        objectName: "tipBtn"
        anchors.right: parent.right
        anchors.rightMargin: 15 * cell.pt
        anchors.verticalCenter: parent.verticalCenter
        width: 22 * cell.pt
        height: width
        sourceSize.width: width
        sourceSize.height: height
        source: "qrc:/tarvo/images/hongbao_tip.svg"
        visible: cell.marked
    }

    Rectangle {
        anchors.bottom: parent.bottom
        anchors.left: parent.left
        anchors.leftMargin: 15 * cell.pt
        anchors.right: parent.right
        height: Math.max(1, 0.5 * cell.pt)
        color: Theme.hairline
    }

    MouseArea {
        anchors.fill: parent
        onClicked: cell.tapped()
    }
}
