import QtQml
import QtQuick
import Tarvo.Ui
import Tarvo.Info

// The service guide or publicity list: one title per row, in a bordered table under the bar.
ScreenPage {
    id: guide

    readonly property LPServiceGuideViewController guidePages:
        controller as LPServiceGuideViewController
    readonly property real screenHeight: height / pt

    SlidingTable {
        x: 10 * guide.pt
        y: 10 * guide.pt
        width: parent.width - 20 * guide.pt
        height: guide.guidePages.tableHeight(guide.screenHeight) * guide.pt
        rowHeight: guide.guidePages.rowHeight(guide.screenHeight) * guide.pt
        trim: 5 * guide.pt
        slideDistance: guide.width
        pt: guide.pt
        model: guide.guidePages.dataSource
        onSelected: (row) => guide.guidePages.didSelectRowAtIndex(row)

        rowContent: Text {
            property string entry
            elide: Text.ElideRight
            text: entry
            color: Theme.titleText
            // 13 points on a 320-point-wide screen, in proportion on wider ones.
            font.pixelSize: Theme.typeSize(guide.column.width * 13 / 320)
        }
    }
}
