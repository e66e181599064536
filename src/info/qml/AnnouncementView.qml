import QtQml
import QtQuick
import Tarvo.Ui
import Tarvo.Info

// The notice list: title and date of each notice, in a bordered table under the bar.
ScreenPage {
    id: notices

    readonly property AnnouncementViewController announcements:
        controller as AnnouncementViewController
    readonly property real screenHeight: height / pt

    SlidingTable {
        x: 10 * notices.pt
        y: 10 * notices.pt
        width: parent.width - 20 * notices.pt
        height: notices.announcements.tableHeight(notices.screenHeight) * notices.pt
        rowHeight: notices.announcements.rowHeight(notices.screenHeight) * notices.pt
        trim: 10 * notices.pt
        slideDistance: notices.width
        pt: notices.pt
        model: notices.announcements.dataSource
        onSelected: (row) => notices.announcements.didSelectRowAtIndex(row)

        rowContent: TitleTableViewCell {
            pt: notices.pt
            tallScreen: notices.screenHeight > 568
        }
    }

    Text {
        anchors.centerIn: parent
        visible: notices.announcements.dataSource.length === 0
        text: qsTr("暂无通知公告")
        color: Theme.quietText
        font.pixelSize: Theme.typeSize(15) * notices.pt
    }
}
