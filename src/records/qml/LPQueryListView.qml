import QtQuick
import "../shell"

// The payments a record query found: a grouped list, one rounded row per payment, with a
// gap of a section header and footer around each row.
ScreenPage {
    id: list

    readonly property real u: width / 320

    Rectangle {
        anchors.fill: parent
        color: "#efeff4"
    }

    ListView {
        id: table
        anchors.fill: parent
        boundsBehavior: Flickable.StopAtBounds
        model: list.controller.rows

        delegate: Item {
            required property var modelData
            width: table.width
            height: (10 + 90 + 10) * list.u

            LPQueryTableViewCell {
                y: 10 * list.u
                x: 10 * list.u
                width: parent.width - 20 * list.u
                height: 90 * list.u
                pt: list.pt
                u: list.u
                lines: modelData
            }
        }
    }
}
