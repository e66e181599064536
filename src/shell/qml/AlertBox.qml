import QtQml
import QtQuick

// A message box over the whole window: title, message and a row of buttons. Enter answers the
// default button (the last), Escape the cancelling one (the first); with one button, both
// answer it.
CoveringLayer {
    id: box

    property string title
    property string message
    property list<string> buttons
    property real pt: 1
    signal answered(int button)

    shade: Theme.scrim
    onEscapePressed: if (buttons.length > 0) answered(0)
    onEnterPressed: if (buttons.length > 0) answered(buttons.length - 1)
    Accessible.role: Accessible.AlertMessage
    Accessible.name: title
    Accessible.description: message

    Rectangle {
        id: panel
        objectName: "alertPanel"
        anchors.centerIn: parent
        width: Math.min(270 * box.pt, box.width - 32 * box.pt)
        height: Math.min(column.height + buttonRow.height, box.height - 32 * box.pt)
        radius: 12 * box.pt
        color: Theme.alertPanel
        clip: true

        // A long message scrolls; the buttons stay in view.
        Flickable {
            width: parent.width
            height: parent.height - buttonRow.height
            contentHeight: column.height
            boundsBehavior: Flickable.StopAtBounds
            clip: true

            Column {
                id: column
                width: parent.width
                topPadding: 20 * box.pt
                bottomPadding: 20 * box.pt
                spacing: 8 * box.pt

                Text {
                    width: parent.width
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.Wrap
                    text: box.title
                    font.pixelSize: Theme.typeSize(17) * box.pt
                    font.bold: true
                    color: Theme.strongText
                }
                Text {
                    width: parent.width - 32 * box.pt
                    x: 16 * box.pt
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.Wrap
                    text: box.message
                    font.pixelSize: Theme.typeSize(14) * box.pt
                    color: Theme.titleText
                }
            }
        }

        Row {
            id: buttonRow
            anchors.bottom: parent.bottom
            width: parent.width
            height: 44 * box.pt

            Repeater {
                model: box.buttons
                Rectangle {
                    id: button
                    required property int index
                    required property string modelData
                    width: buttonRow.width / box.buttons.length
                    height: buttonRow.height
                    color: tap.pressed ? Theme.alertPressed : Theme.clear
                    activeFocusOnTab: true
                    Accessible.role: Accessible.Button
                    Accessible.name: modelData
                    Accessible.onPressAction: box.answered(index)
                    Keys.onSpacePressed: box.answered(index)

                    Rectangle { width: parent.width; height: 1; color: Theme.separator }
                    Rectangle {
                        visible: button.index > 0
                        width: 1; height: parent.height; color: Theme.separator
                    }
                    Text {
                        anchors.centerIn: parent
                        text: button.modelData
                        font.pixelSize: Theme.typeSize(17) * box.pt
                        font.bold: button.activeFocus
                        color: Theme.alertButtonText
                    }
                    MouseArea {
                        id: tap
                        anchors.fill: parent
                        onClicked: box.answered(button.index)
                    }
                }
            }
        }
    }
}
