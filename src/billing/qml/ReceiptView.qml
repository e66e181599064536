import QtQml
import QtQuick
import QtQuick.Controls
import Tarvo.Ui
import Tarvo.Billing

// The receipt of a payment, drawn as its PDF prints it: a white slip with the customer's lines,
// the bills, the amounts and the order; below it where the PDF lies and a button to open it.
ScreenPage {
    id: page

    readonly property ReceiptViewController receipt: controller as ReceiptViewController

    // A caption and its value on one line; amounts stand at the right edge.
    component SlipLine: Item {
        id: slipLine
        required property var modelData
        property bool amount: false
        property bool strong: false

        width: parent.width
        height: Math.max(caption.implicitHeight, value.implicitHeight) + 6 * page.pt
        Accessible.role: Accessible.StaticText
        Accessible.name: modelData.caption + " " + modelData.value

        Text {
            id: caption
            width: 76 * page.pt
            text: slipLine.modelData.caption
            font.pixelSize: Theme.smallSize * page.pt
            color: Theme.secondaryText
        }
        Text {
            id: value
            objectName: "receiptValue"
            x: caption.width
            width: parent.width - caption.width
            horizontalAlignment: slipLine.amount ? Text.AlignRight : Text.AlignLeft
            wrapMode: Text.WrapAnywhere
            text: slipLine.modelData.value
            font.pixelSize: Theme.smallSize * page.pt
            font.bold: slipLine.strong
            color: slipLine.strong ? Theme.money : Theme.strongText
        }
    }

    component Rule: Rectangle {
        width: parent.width
        height: 1
        color: Theme.hairline
    }

    Rectangle {
        width: page.width
        x: -page.column.x
        height: parent.height
        color: Theme.groupedPage
    }

    Flickable {
        id: scroller
        objectName: "receiptScroller"
        anchors.fill: parent
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        contentHeight: content.height + 24 * page.pt
        ScrollIndicator.vertical: ScrollIndicator {}

        Column {
            id: content
            x: 12 * page.pt
            y: 12 * page.pt
            width: scroller.width - 24 * page.pt
            spacing: 12 * page.pt

            Rectangle {
                objectName: "receiptSlip"
                width: parent.width
                height: slip.height + 32 * page.pt
                radius: 6 * page.pt
                color: Theme.page
                border.color: Theme.hairline

                Column {
                    id: slip
                    x: 16 * page.pt
                    y: 16 * page.pt
                    width: parent.width - 32 * page.pt
                    spacing: 8 * page.pt

                    Text {
                        width: parent.width
                        horizontalAlignment: Text.AlignHCenter
                        text: page.receipt.company
                        font.pixelSize: Theme.smallSize * page.pt
                        color: Theme.secondaryText
                    }
                    Text {
                        width: parent.width
                        horizontalAlignment: Text.AlignHCenter
                        text: page.receipt.heading
                        font.pixelSize: Theme.titleSize * page.pt
                        font.bold: true
                        color: Theme.titleText
                        Accessible.role: Accessible.Heading
                        Accessible.name: page.receipt.company + " " + text
                    }
                    Rule {}
                    Repeater {
                        model: page.receipt.customerLines
                        SlipLine {}
                    }
                    Rule {}
                    Row {
                        width: parent.width
                        Repeater {
                            model: page.receipt.billColumns
                            Text {
                                required property string modelData
                                required property int index
                                width: index === 0 ? parent.width * 0.4
                                                   : parent.width * 0.3
                                horizontalAlignment: index === 2 ? Text.AlignRight : Text.AlignLeft
                                text: modelData
                                font.pixelSize: Theme.smallSize * page.pt
                                color: Theme.secondaryText
                            }
                        }
                    }
                    Repeater {
                        model: page.receipt.bills
                        Row {
                            id: billRow
                            required property var modelData
                            width: slip.width
                            Accessible.role: Accessible.StaticText
                            Accessible.name: modelData.join(" ")
                            Repeater {
                                model: billRow.modelData
                                Text {
                                    required property string modelData
                                    required property int index
                                    objectName: "receiptBillCell"
                                    width: index === 0 ? billRow.width * 0.4
                                                       : billRow.width * 0.3
                                    horizontalAlignment: index === 2 ? Text.AlignRight
                                                                     : Text.AlignLeft
                                    text: modelData
                                    font.pixelSize: Theme.smallSize * page.pt
                                    color: Theme.strongText
                                }
                            }
                        }
                    }
                    Rule {}
                    Repeater {
                        id: amounts
                        model: page.receipt.amountLines
                        SlipLine {
                            required property int index
                            amount: true
                            strong: index === amounts.count - 1
                        }
                    }
                    Rule {}
                    Repeater {
                        model: page.receipt.orderLines
                        SlipLine {}
                    }
                }
            }

            Text {
                objectName: "receiptPath"
                width: parent.width
                wrapMode: Text.WrapAnywhere
                text: qsTr("已保存为PDF：%1").arg(page.receipt.pdfPath)
                font.pixelSize: 12 * page.pt
                color: Theme.quietText
            }

            PrimaryButton {
                objectName: "openPdfButton"
                // The one control of the screen holds the keys: Enter opens the PDF.
                focus: true
                width: parent.width
                pt: page.pt
                text: qsTr("打开PDF")
                onClicked: page.receipt.openPdf()
            }
        }
    }
}
