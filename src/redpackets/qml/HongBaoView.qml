import QtQml
import QtQuick
import QtQuick.Controls
import Tarvo.Ui
import Tarvo.RedPackets

// "我的红包": a grouped list on a light grey ground, one section per red packet.
ScreenPage {
    id: page

    readonly property HongBaoViewController hongBao: controller as HongBaoViewController
    readonly property real points: column.width / pt

    Rectangle {
        width: page.width
        x: -page.column.x
        height: parent.height
        color: Theme.groupedPage
    }

    ListView {
        id: list
        objectName: "hongBaoList"
        anchors.fill: parent
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        model: page.hongBao.rows
        Accessible.role: Accessible.List
        Accessible.name: qsTr("我的红包")
        ScrollIndicator.vertical: ScrollIndicator {}
        delegate: Column {
            id: section
            required property int index
            required property var modelData
            width: list.width

            Item {
                width: parent.width
                height: page.hongBao.sectionHeaderHeight(section.index, page.points) * page.pt
            }

            HongbaoCell {
                width: parent.width
                height: page.hongBao.rowHeight(page.points) * page.pt
                pt: page.pt
                amount: section.modelData.amount
                date: section.modelData.date
            }
        }
    }

    Text {
        anchors.centerIn: parent
        visible: page.hongBao.answered && list.count === 0
        text: qsTr("暂无红包")
        font.pixelSize: Theme.typeSize(16) * page.pt
        color: Theme.quietText
    }
}
