import QtQml
import QtQuick
import Tarvo.Ui
import Tarvo.Records

// The payment record screen: the start and end date rows, the query button, and the date
// picker over the whole window while one is open. Lengths are points from the top of the
// window, so the rows sit below the navigation bar as the design has them.
ScreenPage {
    id: record

    readonly property LPPayRecordViewController records: controller as LPPayRecordViewController
    readonly property real barHeight: 64 * pt
    readonly property bool pickerOpen: records.datePicker !== null && records.datePicker.open

    contentCovered: pickerOpen

    component DateRow: Item {
        id: row

        property alias caption: caption.text
        property alias title: title.text
        signal tapped()

        x: 20 * record.pt
        width: parent.width - 40 * record.pt
        height: 40 * record.pt
        activeFocusOnTab: true
        Accessible.role: Accessible.Button
        Accessible.name: caption.text + " " + title.text
        Accessible.onPressAction: row.tapped()
        Keys.onSpacePressed: row.tapped()
        Keys.onReturnPressed: row.tapped()
        Keys.onEnterPressed: row.tapped()

        Image {
            anchors.fill: parent
            sourceSize.width: width
            sourceSize.height: height
            fillMode: Image.Stretch
            source: "qrc:/tarvo/images/圆角矩形-2.svg"
        }
        Rectangle {
            anchors.fill: parent
            radius: 6 * record.pt
            color: Theme.pictureButtonCover
        }
        Rectangle {
            anchors.fill: parent
            visible: row.activeFocus
            color: Theme.clear
            radius: 6 * record.pt
            border.color: Theme.brandPressed
            border.width: 2
        }
        Text {
            id: caption
            // A quarter of the row, or more where larger text needs it.
            width: Math.max(parent.width / 4, implicitWidth + 8 * record.pt)
            height: parent.height
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            font.pixelSize: Theme.typeSize(15) * record.pt
            color: Theme.dateCaption
        }
        Text {
            id: title
            objectName: "dateButton"
            x: caption.width
            width: parent.width - caption.width
            height: parent.height
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            font.pixelSize: Theme.typeSize(15) * record.pt
            color: Theme.brandText
            opacity: tap.pressed ? 0.4 : 1
        }
        // The whole row opens the picker, its caption included.
        MouseArea {
            id: tap
            anchors.fill: parent
            onClicked: row.tapped()
        }
    }

    DateRow {
        y: 100 * record.pt - record.barHeight
        caption: qsTr("开始日期")
        title: record.records.startDateTitle
        onTapped: record.records.showSelectStartDatePicker()
    }

    DateRow {
        y: 160 * record.pt - record.barHeight
        caption: qsTr("结束日期")
        title: record.records.endDateTitle
        onTapped: record.records.showSelectOverDatePicker()
    }

    Item {
        id: queryButton
        objectName: "queryButton"
        width: 120 * record.pt
        height: 40 * record.pt
        x: (parent.width - width) / 2
        y: 250 * record.pt - record.barHeight - height / 2
        activeFocusOnTab: true
        Accessible.role: Accessible.Button
        Accessible.name: qsTr("查询")
        Accessible.onPressAction: record.records.query()
        Keys.onSpacePressed: record.records.query()
        Keys.onReturnPressed: record.records.query()
        Keys.onEnterPressed: record.records.query()

        Image {
            anchors.fill: parent
            sourceSize.width: width
            sourceSize.height: height
            fillMode: Image.Stretch
            source: "qrc:/tarvo/images/圆角矩形-2.svg"
        }
        Rectangle {
            anchors.fill: parent
            radius: 6 * record.pt
            color: Theme.pictureButtonCover
        }
        Rectangle {
            anchors.fill: parent
            visible: queryButton.activeFocus
            color: Theme.clear
            radius: 6 * record.pt
            border.color: Theme.brandPressed
            border.width: 2
        }
        Text {
            anchors.fill: parent
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            text: qsTr("查    询")
            font.pixelSize: Theme.typeSize(17) * record.pt
            color: Theme.brandText
            opacity: queryTap.pressed ? 0.4 : 1
        }
        // The query goes out as the finger comes down, not when it lifts.
        MouseArea {
            id: queryTap
            anchors.fill: parent
            onPressed: record.records.query()
        }
    }

    // Beyond one date range: the receipts kept after payments, and the last twelve months.
    Row {
        y: 310 * record.pt - record.barHeight
        x: 20 * record.pt
        width: parent.width - 40 * record.pt
        spacing: 15 * record.pt

        PrimaryButton {
            objectName: "receiptsButton"
            width: (parent.width - parent.spacing) / 2
            pt: record.pt
            filled: false
            fontSize: Theme.bodySize
            text: qsTr("电子凭证")
            onClicked: record.records.showReceipts()
        }
        PrimaryButton {
            objectName: "monthsButton"
            width: (parent.width - parent.spacing) / 2
            pt: record.pt
            filled: false
            fontSize: Theme.bodySize
            text: qsTr("近12个月缴费")
            onClicked: record.records.showMonthlyPayments()
        }
    }

    // Over the whole window, navigation bar included; a new picker gets a layer of its own.
    Item {
        parent: record
        anchors.fill: parent
        z: 1

        Repeater {
            model: record.records.datePicker ? [record.records.datePicker] : []
            DatePickerLayer {
                required property LPDatePicker modelData
                anchors.fill: parent
                picker: modelData
                columnWidth: record.column.width
            }
        }
    }
}
