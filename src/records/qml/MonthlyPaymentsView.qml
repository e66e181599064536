import QtQml
import QtQuick
import QtQuick.Controls
import QtQuick.Shapes
import Tarvo.Ui
import Tarvo.Records

// The last twelve months of payments: the total on top, then one bar per month, newest first,
// its length in proportion to the largest month. A month's row (label, bar or amount) opens
// its payments on a tap, or with Enter or Space once Tab has reached it.
ScreenPage {
    id: page

    readonly property MonthlyPaymentsViewController chart: controller as MonthlyPaymentsViewController
    readonly property real labelWidth: 52 * pt
    readonly property real amountWidth: 92 * pt

    Rectangle {
        width: page.width
        x: -page.column.x
        height: parent.height
        color: Theme.groupedPage
    }

    Flickable {
        id: scroller
        objectName: "monthScroller"
        anchors.fill: parent
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        contentHeight: content.height + 24 * page.pt
        visible: page.chart.loaded
        ScrollIndicator.vertical: ScrollIndicator {}

        Column {
            id: content
            x: 12 * page.pt
            y: 12 * page.pt
            width: scroller.width - 24 * page.pt
            spacing: 4 * page.pt

            Rectangle {
                width: parent.width
                height: 72 * page.pt
                radius: 8 * page.pt
                color: Theme.page
                Accessible.role: Accessible.StaticText
                Accessible.name: qsTr("近12个月") + " " + page.chart.totalText

                Text {
                    x: 16 * page.pt
                    y: 12 * page.pt
                    text: qsTr("近12个月")
                    font.pixelSize: Theme.smallSize * page.pt
                    color: Theme.secondaryText
                }
                Text {
                    objectName: "yearTotal"
                    x: 16 * page.pt
                    y: 34 * page.pt
                    text: page.chart.totalText
                    font.pixelSize: Theme.titleSize * page.pt
                    font.bold: true
                    color: Theme.money
                }
            }

            Item { width: 1; height: 4 * page.pt }

            Repeater {
                model: page.chart.months

                Rectangle {
                    id: month
                    required property var modelData
                    required property int index
                    objectName: "monthRow"
                    width: content.width
                    height: 44 * page.pt
                    radius: 6 * page.pt
                    color: tap.pressed ? Theme.pressed : Theme.page
                    border.color: activeFocus ? Theme.brandPressed : Theme.clear
                    border.width: activeFocus ? 2 : 0
                    activeFocusOnTab: true
                    // The keys start at this month; Tab walks on from there.
                    focus: index === 0
                    Accessible.role: Accessible.Button
                    Accessible.name: qsTr("%1 %2，%3笔").arg(modelData.title)
                                     .arg(modelData.amount).arg(modelData.count)
                    Accessible.onPressAction: page.chart.openMonth(index)
                    Keys.onSpacePressed: page.chart.openMonth(index)
                    Keys.onReturnPressed: page.chart.openMonth(index)
                    Keys.onEnterPressed: page.chart.openMonth(index)

                    Text {
                        objectName: "monthLabel"
                        x: 10 * page.pt
                        y: 5 * page.pt
                        width: page.labelWidth
                        text: month.modelData.label
                        font.pixelSize: 15 * page.pt
                        color: Theme.strongText
                    }
                    Text {
                        x: 10 * page.pt
                        y: 25 * page.pt
                        width: page.labelWidth
                        text: month.modelData.title.slice(0, 4)
                        font.pixelSize: 11 * page.pt
                        color: Theme.quietText
                    }

                    // The bar: a band with a rounded end, as long as the month's share.
                    Shape {
                        id: bar
                        objectName: "monthBar"
                        readonly property real room: month.width - page.labelWidth
                                                     - page.amountWidth - 30 * page.pt
                        readonly property real length: month.modelData.count > 0
                                                       ? Math.max(3 * page.pt,
                                                                  room * month.modelData.share)
                                                       : 0
                        readonly property real end: Math.min(height / 2, length)
                        x: 10 * page.pt + page.labelWidth
                        anchors.verticalCenter: parent.verticalCenter
                        width: length
                        height: 18 * page.pt
                        visible: length > 0
                        // Smooth rounded ends: the shape renderer of this Qt draws no edges
                        // of its own.
                        layer.enabled: true
                        layer.samples: 4

                        ShapePath {
                            fillColor: Theme.brand
                            strokeWidth: -1
                            startX: 0
                            startY: 0
                            PathLine { x: bar.length - bar.end; y: 0 }
                            PathArc {
                                x: bar.length
                                y: bar.end
                                radiusX: bar.end
                                radiusY: bar.end
                            }
                            PathLine { x: bar.length; y: bar.height - bar.end }
                            PathArc {
                                x: bar.length - bar.end
                                y: bar.height
                                radiusX: bar.end
                                radiusY: bar.end
                            }
                            PathLine { x: 0; y: bar.height }
                            PathLine { x: 0; y: 0 }
                        }
                    }

                    // The axis the bars grow from.
                    Shape {
                        x: 10 * page.pt + page.labelWidth
                        width: 1
                        height: parent.height
                        ShapePath {
                            strokeColor: Theme.separator
                            strokeWidth: 1
                            startX: 0
                            startY: 6 * page.pt
                            PathLine { x: 0; y: month.height - 6 * page.pt }
                        }
                    }

                    Text {
                        objectName: "monthAmount"
                        anchors.right: parent.right
                        anchors.rightMargin: 10 * page.pt
                        anchors.verticalCenter: parent.verticalCenter
                        width: page.amountWidth
                        horizontalAlignment: Text.AlignRight
                        text: month.modelData.amount
                        font.pixelSize: Theme.smallSize * page.pt
                        color: month.modelData.count > 0 ? Theme.strongText : Theme.quietText
                    }

                    MouseArea {
                        id: tap
                        anchors.fill: parent
                        onClicked: page.chart.openMonth(month.index)
                    }
                }
            }
        }
    }

    Column {
        anchors.centerIn: parent
        width: parent.width - 80 * page.pt
        spacing: 16 * page.pt
        visible: page.chart.failed

        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: qsTr("缴费数据未能加载")
            font.pixelSize: Theme.bodySize * page.pt
            color: Theme.outline
        }
        PrimaryButton {
            objectName: "reloadButton"
            width: parent.width
            pt: page.pt
            text: qsTr("重新加载")
            onClicked: page.chart.reload()
        }
    }
}
