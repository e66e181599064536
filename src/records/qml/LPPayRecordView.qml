import QtQuick
import "../shell"

// The payment record screen: the start and end date rows, the query button, and the date
// picker over the whole window while one is open. Lengths are points from the top of the
// window, so the rows sit below the navigation bar as the design has them.
ScreenPage {
    id: record

    readonly property real barHeight: 64 * pt

    component DateRow: Item {
        id: row

        property alias caption: caption.text
        property alias title: title.text
        signal tapped()

        x: 20 * record.pt
        width: record.width - 40 * record.pt
        height: 40 * record.pt

        Image {
            anchors.fill: parent
            sourceSize: Qt.size(width, height)
            fillMode: Image.Stretch
            source: "qrc:/tarvo/images/圆角矩形-2.svg"
        }
        Text {
            id: caption
            width: parent.width / 4
            height: parent.height
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            font.pixelSize: 15 * record.pt
            color: "blue"
        }
        Text {
            id: title
            objectName: "dateButton"
            x: parent.width / 4
            width: parent.width * 3 / 4
            height: parent.height
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            font.pixelSize: 15 * record.pt
            color: "white"
            opacity: tap.pressed ? 0.4 : 1

            MouseArea {
                id: tap
                anchors.fill: parent
                onClicked: row.tapped()
            }
        }
    }

    DateRow {
        y: 100 * record.pt - record.barHeight
        caption: qsTr("开始日期")
        title: record.controller.startDateTitle
        onTapped: record.controller.showSelectStartDatePicker()
    }

    DateRow {
        y: 160 * record.pt - record.barHeight
        caption: qsTr("结束日期")
        title: record.controller.endDateTitle
        onTapped: record.controller.showSelectOverDatePicker()
    }

    Item {
        objectName: "queryButton"
        width: 120 * record.pt
        height: 40 * record.pt
        x: (record.width - width) / 2
        y: 250 * record.pt - record.barHeight - height / 2

        Image {
            anchors.fill: parent
            sourceSize: Qt.size(width, height)
            fillMode: Image.Stretch
            source: "qrc:/tarvo/images/圆角矩形-2.svg"
        }
        Text {
            anchors.fill: parent
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            text: qsTr("查    询")
            font.pixelSize: 17 * record.pt
            color: "white"
            opacity: queryTap.pressed ? 0.4 : 1
        }
        // The query goes out as the finger comes down, not when it lifts.
        MouseArea {
            id: queryTap
            anchors.fill: parent
            onPressed: record.controller.query()
        }
    }

    // Over the whole window, navigation bar included.
    Item {
        parent: record
        anchors.fill: parent
        z: 1

        Repeater {
            model: record.controller.datePicker ? [record.controller.datePicker] : []
            LPDatePicker {
                required property var modelData
                anchors.fill: parent
                picker: modelData
            }
        }
    }
}
