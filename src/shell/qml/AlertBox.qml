import QtQuick

// A message box over the whole window: title, message and a row of buttons.
Item {
    id: box

    property string title
    property string message
    property var buttons: []
    property real pt: 1
    signal answered(int button)

    Rectangle {
        anchors.fill: parent
        color: Qt.rgba(0, 0, 0, 0.4)
    }
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        preventStealing: true
    }

    Rectangle {
        id: panel
        anchors.centerIn: parent
        width: 270 * box.pt
        height: column.height + buttonRow.height
        radius: 12 * box.pt
        color: "#f7f7f7"
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
                text: box.title
                font.pixelSize: 17 * box.pt
                font.bold: true
                color: "#111111"
            }
            Text {
                width: parent.width - 32 * box.pt
                x: 16 * box.pt
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.Wrap
                text: box.message
                font.pixelSize: 14 * box.pt
                color: "#222222"
            }
        }

        Row {
            id: buttonRow
            anchors.top: column.bottom
            width: parent.width
            height: 44 * box.pt

            Repeater {
                model: box.buttons
                Rectangle {
                    required property int index
                    required property string modelData
                    width: buttonRow.width / box.buttons.length
                    height: buttonRow.height
                    color: tap.pressed ? "#e0e0e0" : "transparent"

                    Rectangle { width: parent.width; height: 1; color: "#d0d0d0" }
                    Rectangle {
                        visible: index > 0
                        width: 1; height: parent.height; color: "#d0d0d0"
                    }
                    Text {
                        anchors.centerIn: parent
                        text: modelData
                        font.pixelSize: 17 * box.pt
                        color: "#157efb"
                    }
                    MouseArea {
                        id: tap
                        anchors.fill: parent
                        onClicked: box.answered(index)
                    }
                }
            }
        }
    }
}
