import QtQuick
import "../shell"

// The notice list: title and date of each notice, in a bordered table under the bar.
ScreenPage {
    id: notices

    readonly property real screenHeight: height / pt

    SlidingTable {
        x: 10 * notices.pt
        y: 10 * notices.pt
        width: parent.width - 20 * notices.pt
        height: notices.controller.tableHeight(notices.screenHeight) * notices.pt
        rowHeight: notices.controller.rowHeight(notices.screenHeight) * notices.pt
        trim: 10 * notices.pt
        slideDistance: notices.width
        pt: notices.pt
        model: notices.controller.dataSource
        onSelected: (row) => notices.controller.didSelectRowAtIndex(row)

        rowContent: TitleTableViewCell {
            pt: notices.pt
            tallScreen: notices.screenHeight > 568
        }
    }

    Text {
        anchors.centerIn: parent
        visible: notices.controller.dataSource.length === 0
        text: qsTr("暂无通知公告")
        color: "#888888"
        font.pixelSize: 15 * notices.pt
    }
}
