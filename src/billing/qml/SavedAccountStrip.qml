import QtQml
import QtQuick
import Tarvo.Ui

// The saved accounts under the account field, one chip each, most recently used first; the
// chips scroll sideways when they do not fit. A chip searches its account; its pencil opens the
// sheet that renames or removes it. While a result's account is not saved, a first chip offers
// to save it.
Item {
    id: strip

    property real pt: 1
    property bool canSave: false
    property alias model: list.model
    signal picked(string account)
    signal editRequested(string account)
    signal saveRequested()

    Accessible.role: Accessible.List
    Accessible.name: qsTr("常用户号")

    Rectangle {
        id: saveChip
        objectName: "saveAccountChip"
        visible: strip.canSave
        width: visible ? saveText.implicitWidth + 20 * strip.pt : 0
        height: strip.height
        radius: height / 2
        color: saveTap.pressed ? Theme.brandPressed : Theme.brand
        border.color: activeFocus ? Theme.strongText : Theme.clear
        border.width: Theme.focusWidth
        activeFocusOnTab: visible
        Accessible.role: Accessible.Button
        Accessible.name: saveText.text
        Accessible.onPressAction: strip.saveRequested()
        Keys.onSpacePressed: strip.saveRequested()
        Keys.onReturnPressed: strip.saveRequested()

        Text {
            id: saveText
            anchors.centerIn: parent
            text: qsTr("＋ 保存此户号")
            color: Theme.brandText
            font.pixelSize: Theme.typeSize(14) * strip.pt
        }
        MouseArea {
            id: saveTap
            anchors.fill: parent
            onClicked: strip.saveRequested()
        }
    }

    ListView {
        id: list
        anchors.left: saveChip.right
        anchors.leftMargin: saveChip.visible ? spacing : 0
        anchors.right: parent.right
        height: parent.height
        orientation: ListView.Horizontal
        spacing: 8 * strip.pt
        clip: true
        boundsBehavior: Flickable.StopAtBounds

        delegate: Rectangle {
            id: chip
            objectName: "savedAccountChip"
            required property var modelData
            required property int index
            readonly property string account: modelData.account
            width: chipText.implicitWidth + pencil.width + 20 * strip.pt
            height: strip.height
            radius: height / 2
            color: chipTap.pressed ? Theme.pressed : Theme.page
            border.color: activeFocus ? Theme.brand : Theme.outline
            border.width: activeFocus ? Theme.focusWidth : Theme.borderWidth
            activeFocusOnTab: true
            Accessible.role: Accessible.Button
            Accessible.name: chip.modelData.label + " " + chip.account
            Accessible.onPressAction: strip.picked(chip.account)
            Keys.onSpacePressed: strip.picked(chip.account)
            Keys.onReturnPressed: strip.picked(chip.account)
            // F2, as in file lists, renames.
            Keys.onPressed: (event) => {
                if (event.key === Qt.Key_F2) {
                    strip.editRequested(chip.account)
                    event.accepted = true
                }
            }
            onActiveFocusChanged: if (activeFocus)
                list.positionViewAtIndex(chip.index, ListView.Contain)

            // The label in bold, the account beside it.
            Row {
                id: chipText
                x: 12 * strip.pt
                anchors.verticalCenter: parent.verticalCenter
                spacing: 6 * strip.pt

                Text {
                    objectName: "savedAccountLabel"
                    text: chip.modelData.label
                    color: Theme.strongText
                    font.pixelSize: Theme.typeSize(14) * strip.pt
                    font.bold: true
                }
                Text {
                    text: chip.account
                    color: Theme.secondaryText
                    font.pixelSize: Theme.typeSize(14) * strip.pt
                }
            }
            MouseArea {
                id: chipTap
                anchors.fill: parent
                onClicked: strip.picked(chip.account)
                onPressAndHold: strip.editRequested(chip.account)
            }
            // The pencil: its own target, the chip's full height.
            Item {
                id: pencil
                objectName: "editSavedAccount"
                anchors.right: parent.right
                width: 30 * strip.pt
                height: parent.height
                Accessible.role: Accessible.Button
                Accessible.name: qsTr("修改") + chip.modelData.label
                Accessible.onPressAction: strip.editRequested(chip.account)

                Image {
                    anchors.centerIn: parent
                    anchors.horizontalCenterOffset: -4 * strip.pt
                    width: 16 * strip.pt
                    height: width
                    sourceSize.width: width
                    sourceSize.height: height
                    source: "qrc:/tarvo/images/pencil.svg"
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: strip.editRequested(chip.account)
                }
            }
        }
    }
}
