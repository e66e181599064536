import QtQml
import QtQuick

// One single-line input with a placeholder: labelled and underlined, or framed in a box when it
// has no label. Tab reaches it in reading order; Enter or Return sends `accepted`.
Item {
    id: row

    property string label
    property alias placeholder: hint.text
    property alias text: input.text
    property bool password: false
    property bool framed: false
    property real pt: 1
    property real fontSize: Theme.bodySize
    readonly property alias input: input
    signal textEdited()
    signal accepted()

    implicitHeight: 48 * pt

    Rectangle {
        anchors.fill: parent
        visible: row.framed
        radius: 6 * row.pt
        color: Theme.page
        border.color: input.activeFocus ? Theme.brand : Theme.separator
        border.width: 1
    }

    Text {
        id: caption
        visible: row.label !== ""
        // The design's 70 points, wider where larger text needs it.
        width: visible ? Math.max(70 * row.pt, implicitWidth + 6 * row.pt) : 0
        anchors.verticalCenter: parent.verticalCenter
        text: row.label
        font.pixelSize: Theme.typeSize(row.fontSize) * row.pt
        color: Theme.text
    }

    TextInput {
        id: input
        anchors.left: caption.right
        anchors.leftMargin: row.framed ? 8 * row.pt : 0
        anchors.right: parent.right
        anchors.rightMargin: row.framed ? 8 * row.pt : 0
        anchors.verticalCenter: parent.verticalCenter
        font.pixelSize: Theme.typeSize(row.fontSize) * row.pt
        color: Theme.strongText
        clip: true
        activeFocusOnTab: true
        echoMode: row.password ? TextInput.Password : TextInput.Normal
        selectByMouse: true
        onTextEdited: row.textEdited()
        onAccepted: row.accepted()

        Accessible.role: Accessible.EditableText
        Accessible.name: row.label !== "" ? row.label : row.placeholder
        Accessible.description: row.placeholder
        Accessible.passwordEdit: row.password

        Text {
            id: hint
            anchors.verticalCenter: parent.verticalCenter
            visible: input.text.length === 0
            font.pixelSize: Theme.typeSize(row.fontSize) * row.pt
            color: Theme.placeholder
        }
    }

    // A tap anywhere on the row, the label included, starts typing.
    MouseArea {
        anchors.fill: parent
        z: -1
        onPressed: input.forceActiveFocus()
    }

    Rectangle {
        visible: !row.framed
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: input.activeFocus ? Theme.brand : Theme.hairline
    }
}
