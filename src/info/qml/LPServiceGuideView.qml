import QtQuick
import "../shell"

// The service guide or publicity list: one title per row, in a bordered table under the bar.
ScreenPage {
    id: guide

    readonly property real screenHeight: height / pt

    SlidingTable {
        x: 10 * guide.pt
        y: 10 * guide.pt
        width: parent.width - 20 * guide.pt
        height: guide.controller.tableHeight(guide.screenHeight) * guide.pt
        rowHeight: guide.controller.rowHeight(guide.screenHeight) * guide.pt
        trim: 5 * guide.pt
        slideDistance: guide.width
        pt: guide.pt
        model: guide.controller.dataSource
        onSelected: (row) => guide.controller.didSelectRowAtIndex(row)

        rowContent: Text {
            property string entry
            elide: Text.ElideRight
            text: entry
            color: "#222222"
            // 13 points on a 320-point-wide screen, in proportion on wider ones.
            font.pixelSize: guide.width * 13 / 320
        }
    }
}
