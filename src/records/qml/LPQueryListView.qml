import QtQml
import QtQuick
import QtQuick.Controls
import Tarvo.Ui
import Tarvo.Records

// The payments a record query found: a grouped list, one rounded row per payment, with a
// gap of a section header and footer around each row.
ScreenPage {
    id: list

    readonly property LPQueryListController payments: controller as LPQueryListController
    readonly property real u: column.width / 320

    Rectangle {
        width: list.width
        x: -list.column.x
        height: parent.height
        color: Theme.groupedPage
    }

    ListView {
        id: table
        objectName: "recordList"
        anchors.fill: parent
        boundsBehavior: Flickable.StopAtBounds
        model: list.payments.rows
        Accessible.role: Accessible.List
        ScrollIndicator.vertical: ScrollIndicator {}

        delegate: Item {
            id: payment
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
                lines: payment.modelData
            }
        }
    }
}
