import QtQml
import QtQuick
import QtQuick.Controls
import Tarvo.Ui
import Tarvo.Billing

// The payment screen: account field and search button, the eight result rows, the tip label
// and the two buttons. Positions are the design's window points (the navigation bar is the top
// 64); the rows keep their height and the list scrolls when eight do not fit. The saved
// accounts, when there are any, sit in a strip under the field and push the list down.
ScreenPage {
    id: page

    readonly property LPPayViewController payment: controller as LPPayViewController
    readonly property real screenW: 375
    readonly property real screenH: height / pt
    readonly property real buttonW: screenW * 120 / 320
    readonly property real buttonH: screenW * 40 / 320
    readonly property bool showsSaved: payment.savedAccounts.length > 0 || payment.canSaveResult
    // The strip of saved accounts: its height and the gap under it, or nothing.
    readonly property real stripH: showsSaved ? Math.max(34, Theme.typeSize(14) * 2) + 6 : 0
    readonly property real listH: screenH - 40 - 10 - 20 - buttonH - 80 - 5 - stripH
    readonly property real rowH: screenW * 50 / 320

    function px(points) { return points * pt }
    function below(windowY) { return (windowY - 64) * pt }
    function search() {
        page.takeFocus()
        page.payment.seacr()
    }

    // The widest row title sets the title column for all rows, so that the values line up.
    TextMetrics {
        id: titleMetrics
        font.pixelSize: Theme.typeSize(15) * page.pt
        text: {
            let longest = ""
            for (const title of page.payment.infoA) {
                if (title.length > longest.length)
                    longest = title
            }
            return longest
        }
    }

    onDeactivating: payment.viewWillDisappear()
    Component.onCompleted: seacrBar.input.forceActiveFocus()

    TextInputRow {
        id: seacrBar
        // Kept name (traceability): see docs/names.md
        objectName: "seacrBar"
        x: page.px(10)
        y: page.below(80)
        width: page.px(page.screenW - 60)
        height: page.px(40)
        pt: page.pt
        framed: true
        placeholder: qsTr("请输入你要查询的户号")
        text: page.payment.seacrBar
        onTextEdited: page.payment.seacrBar = text
        onAccepted: page.search()

        Connections {
            target: page.payment
            function onSeacrBarChanged() {
                if (seacrBar.text !== page.payment.seacrBar)
                    seacrBar.text = page.payment.seacrBar
            }
        }
    }

    Rectangle {
        id: seacrBtn
        // Kept name (traceability): see docs/names.md
        objectName: "seacrBtn"
        x: page.px(page.screenW - 50)
        y: page.below(80)
        width: page.px(40)
        height: page.px(40)
        radius: page.px(5)
        color: searchTap.pressed ? Theme.pressed : Theme.page
        border.color: activeFocus ? Theme.brand : Theme.outline
        border.width: activeFocus ? 2 : Math.max(0.5, page.px(0.5))
        activeFocusOnTab: true
        Accessible.role: Accessible.Button
        Accessible.name: qsTr("查询")
        Accessible.onPressAction: page.search()
        Keys.onSpacePressed: page.search()
        Keys.onReturnPressed: page.search()
        Keys.onEnterPressed: page.search()

        Image {
            anchors.centerIn: parent
            width: page.px(24)
            height: page.px(24)
            sourceSize.width: width
            sourceSize.height: height
            source: "qrc:/tarvo/images/fangdajing.svg"
        }
        MouseArea {
            id: searchTap
            anchors.fill: parent
            onClicked: page.search()
        }
    }

    SavedAccountStrip {
        id: savedStrip
        objectName: "savedAccounts"
        x: page.px(10)
        y: page.below(126)
        width: page.px(page.screenW - 20)
        height: page.px(page.stripH - 6)
        visible: page.showsSaved
        pt: page.pt
        model: page.payment.savedAccounts
        canSave: page.payment.canSaveResult
        onPicked: (account) => {
            page.takeFocus()
            page.payment.searchSaved(account)
        }
        onEditRequested: (account) => page.payment.editSaved(account)
        onSaveRequested: page.payment.saveResult()
    }

    Rectangle {
        id: mainTableView
        x: page.px(30)
        y: page.below(130 + page.stripH)
        width: page.px(page.screenW - 60)
        height: page.px(page.listH)
        visible: page.payment.showsResult
        color: Theme.paymentList

        ListView {
            id: rows
            // Kept name (traceability): see docs/names.md
            objectName: "mainTableView"
            anchors.fill: parent
            clip: true
            interactive: page.payment.mainTableViewEnabled
            enabled: page.payment.mainTableViewEnabled
            boundsBehavior: Flickable.StopAtBounds
            model: page.payment.infoB.length
            Accessible.role: Accessible.List
            ScrollIndicator.vertical: ScrollIndicator {}

            delegate: Item {
                id: section
                required property int index
                width: ListView.view.width
                // Section header 2, the row, section footer 1.
                height: page.px(2 + page.rowH + 1)

                LPPayCell {
                    x: page.px(5)
                    y: page.px(2)
                    width: parent.width - page.px(10)
                    height: page.px(page.rowH)
                    pt: page.pt
                    titleWidth: Math.max(page.px(95), titleMetrics.advanceWidth + page.px(6))
                    title: page.payment.infoA[section.index]
                    value: page.payment.infoB[section.index] ?? ""
                    // The red packet row is the one that opens something.
                    actionable: section.index === 6
                    valueColor: section.index === 6 ? Theme.money : Theme.text
                    onTapped: page.payment.didSelectRow(section.index)
                }
            }
        }
    }

    Text {
        id: tipLable
        // Kept name (traceability): see docs/names.md
        objectName: "tipLable"
        x: 0
        y: page.below(page.screenH / 2)
        width: parent.width
        height: page.px(50)
        visible: page.payment.tipLabelVisible
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.Wrap
        text: page.payment.tipLabelText
        color: Theme.outline
        font.pixelSize: page.px(Theme.typeSize(page.screenW * 15 / 320))
    }

    // "缴   费" on the left, "查看明细" on the right, in the same look.
    PrimaryButton {
        // Kept name (traceability): see docs/names.md
        objectName: "payBtn"
        x: page.px(10)
        y: page.below(page.screenH - page.buttonH - 20)
        width: page.px(page.buttonW)
        height: page.px(page.buttonH)
        visible: page.payment.showsResult
        pt: page.pt
        filled: false
        cornerRadius: 5
        fontSize: 16
        textColor: Theme.outline
        borderColor: Theme.outline
        text: qsTr("缴   费")
        onClicked: page.payment.pay()
    }
    PrimaryButton {
        // Kept name (traceability): see docs/names.md
        objectName: "detailBtn"
        x: page.px(page.screenW - 10 - page.buttonW)
        y: page.below(page.screenH - page.buttonH - 20)
        width: page.px(page.buttonW)
        height: page.px(page.buttonH)
        visible: page.payment.showsResult
        pt: page.pt
        filled: false
        cornerRadius: 5
        fontSize: 16
        textColor: Theme.outline
        borderColor: Theme.outline
        text: qsTr("查看明细")
        onClicked: page.payment.detail()
    }
}
