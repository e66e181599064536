import QtQuick
import "../shell"

// "我的红包": a grouped list on a light grey ground, one section per red packet.
ScreenPage {
    id: page

    readonly property real points: width / pt

    Rectangle {
        anchors.fill: parent
        color: "#efeff4"
    }

    ListView {
        id: list
        anchors.fill: parent
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        model: page.controller.rows
        delegate: Column {
            required property int index
            required property var modelData
            width: list.width

            Item {
                width: parent.width
                height: page.controller.sectionHeaderHeight(index, page.points) * page.pt
            }

            HongbaoCell {
                width: parent.width
                height: page.controller.rowHeight(page.points) * page.pt
                pt: page.pt
                amount: modelData.amount
                date: modelData.date
            }
        }
    }

    Text {
        anchors.centerIn: parent
        visible: page.controller.answered && list.count === 0
        text: qsTr("暂无红包")
        font.pixelSize: 16 * page.pt
        color: "#999999"
    }
}
