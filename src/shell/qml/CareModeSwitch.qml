import QtQml
import QtQuick
import Tarvo.Ui

// The row on home that switches care mode: its name, what it does, and a switch. A tap
// anywhere on the row, Space or Enter switches it.
Rectangle {
    id: row

    property bool checked: false
    property real pt: 1
    signal toggled()

    color: tap.pressed ? Theme.pressed : Theme.page
    activeFocusOnTab: true
    Accessible.role: Accessible.CheckBox
    Accessible.name: caption.text
    Accessible.checkable: true
    Accessible.checked: row.checked
    Accessible.onToggleAction: row.toggled()
    Accessible.onPressAction: row.toggled()
    Keys.onSpacePressed: row.toggled()
    Keys.onReturnPressed: row.toggled()
    Keys.onEnterPressed: row.toggled()

    Column {
        anchors.left: parent.left
        anchors.leftMargin: 15 * row.pt
        anchors.right: track.left
        anchors.rightMargin: 10 * row.pt
        anchors.verticalCenter: parent.verticalCenter

        Text {
            id: caption
            width: parent.width
            elide: Text.ElideRight
            text: qsTr("关怀模式")
            font.pixelSize: Theme.typeSize(16) * row.pt
            font.bold: true
            color: Theme.strongText
        }
        Text {
            width: parent.width
            wrapMode: Text.Wrap
            text: qsTr("大字体、高对比、功能更简洁")
            font.pixelSize: Theme.typeSize(12) * row.pt
            color: Theme.secondaryText
        }
    }

    Rectangle {
        id: track
        objectName: "careModeSwitch"
        anchors.right: parent.right
        anchors.rightMargin: 15 * row.pt
        anchors.verticalCenter: parent.verticalCenter
        width: 51 * row.pt
        height: 31 * row.pt
        radius: height / 2
        color: row.checked ? Theme.brand : Theme.hairline
        border.color: Theme.outline
        border.width: Theme.careLineWidth

        Rectangle {
            x: row.checked ? parent.width - width - 2 * row.pt : 2 * row.pt
            anchors.verticalCenter: parent.verticalCenter
            width: 27 * row.pt
            height: width
            radius: width / 2
            color: Theme.page
            border.color: Theme.outline
            border.width: Theme.borderWidth
        }
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
        onClicked: row.toggled()
    }
}
