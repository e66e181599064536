import QtQml
import QtQuick
import Tarvo.Ui

// One row of the notice list: the notice's title over its date.
Column {
    id: cell

    property var entry: ({})
    property real pt: 1
    // Screens taller than 568 points get the larger type.
    property bool tallScreen: true

    spacing: 2 * cell.pt

    Text {
        objectName: "titleLabel"
        width: parent.width
        elide: Text.ElideRight
        text: cell.entry.title ?? ""
        color: Theme.titleText
        font.pixelSize: Theme.typeSize(cell.tallScreen ? 14 : 11) * cell.pt
    }
    Text {
        objectName: "subTitleLabel"
        width: parent.width
        text: cell.entry.subTitle ?? ""
        color: Theme.quietText
        font.pixelSize: Theme.typeSize(cell.tallScreen ? 12 : 10) * cell.pt
    }
}
