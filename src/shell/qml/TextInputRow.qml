import QtQuick

// One labelled single-line input with a placeholder, underlined.
Item {
    id: row

    property alias label: caption.text
    property alias placeholder: hint.text
    property alias text: input.text
    property bool password: false
    property real pt: 1
    signal textEdited()

    height: 48 * pt

    Text {
        id: caption
        width: 70 * row.pt
        anchors.verticalCenter: parent.verticalCenter
        font.pixelSize: 16 * row.pt
        color: "#333333"
    }

    TextInput {
        id: input
        anchors.left: caption.right
        anchors.right: parent.right
        anchors.verticalCenter: parent.verticalCenter
        font.pixelSize: 16 * row.pt
        color: "#111111"
        clip: true
        echoMode: row.password ? TextInput.Password : TextInput.Normal
        selectByMouse: true
        onTextEdited: row.textEdited()

        Text {
            id: hint
            anchors.verticalCenter: parent.verticalCenter
            visible: input.text.length === 0
            font.pixelSize: 16 * row.pt
            color: "#b0b0b0"
        }
    }

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: input.activeFocus ? "#69c468" : "#dddddd"
    }
}
