import QtQuick
import QtQuick.Controls
import "../shell"

// The payment screen: account field and search button, the eight result rows, the tip label
// and the two buttons. Positions are window points (the navigation bar is the top 64).
ScreenPage {
    id: page

    readonly property real screenW: 375
    readonly property real screenH: height / pt
    readonly property real buttonW: screenW * 120 / 320
    readonly property real buttonH: screenW * 40 / 320
    readonly property real listH: screenH - 40 - 10 - 20 - buttonH - 80 - 5
    // A row is W × 50 / 320 high, less where the eight would not fit: the amount due, last,
    // must not be cut off.
    readonly property real rowH: Math.min(screenW * 50 / 320, listH / 8 - 3)

    function px(points) { return points * pt }
    function below(windowY) { return (windowY - 64) * pt }

    StackView.onDeactivating: controller.viewWillDisappear()

    Rectangle {
        id: field
        x: page.px(10)
        y: page.below(80)
        width: page.px(page.screenW - 60)
        height: page.px(40)
        radius: page.px(6)
        border.color: "#c8c8c8"
        border.width: 1

        TextInput {
            id: seacrBar
            objectName: "seacrBar"
            anchors.fill: parent
            anchors.leftMargin: page.px(8)
            anchors.rightMargin: page.px(8)
            verticalAlignment: TextInput.AlignVCenter
            font.pixelSize: page.px(16)
            color: "#111111"
            clip: true
            selectByMouse: true
            text: page.controller.seacrBar
            onTextEdited: page.controller.seacrBar = text
            onAccepted: page.search()

            Text {
                anchors.verticalCenter: parent.verticalCenter
                visible: seacrBar.text.length === 0
                text: qsTr("请输入你要查询的户号")
                font.pixelSize: page.px(16)
                color: "#b0b0b0"
            }
        }
        Connections {
            target: page.controller
            function onSeacrBarChanged() {
                if (seacrBar.text !== page.controller.seacrBar)
                    seacrBar.text = page.controller.seacrBar
            }
        }
    }

    function search() {
        page.forceActiveFocus()
        page.controller.seacr()
    }

    Rectangle {
        id: seacrBtn
        objectName: "seacrBtn"
        x: page.px(page.screenW - 50)
        y: page.below(80)
        width: page.px(40)
        height: page.px(40)
        radius: page.px(5)
        border.color: "grey"
        border.width: Math.max(0.5, page.px(0.5))

        Image {
            anchors.centerIn: parent
            width: page.px(24)
            height: page.px(24)
            sourceSize: Qt.size(width, height)
            source: "qrc:/tarvo/images/fangdajing.svg"
        }
        MouseArea {
            anchors.fill: parent
            onClicked: page.search()
        }
    }

    Rectangle {
        id: mainTableView
        x: page.px(30)
        y: page.below(130)
        width: page.px(page.screenW - 60)
        height: page.px(page.listH)
        visible: page.controller.showsResult
        color: Qt.rgba(211 / 255, 208 / 255, 193 / 255, 1)

        ListView {
            anchors.fill: parent
            clip: true
            interactive: page.controller.mainTableViewEnabled
            enabled: page.controller.mainTableViewEnabled
            boundsBehavior: Flickable.StopAtBounds
            model: page.controller.infoB.length
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
                    title: page.controller.infoA[section.index]
                    value: page.controller.infoB[section.index] ?? ""
                    valueColor: section.index === 6 ? "red" : "#333333"
                    onTapped: page.controller.didSelectRow(section.index)
                }
            }
        }
    }

    Text {
        id: tipLable
        objectName: "tipLable"
        x: 0
        y: page.below(page.screenH / 2)
        width: page.width
        height: page.px(50)
        visible: page.controller.tipLableVisible
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.Wrap
        text: page.controller.tipLableText
        color: "grey"
        font.pixelSize: page.px(page.screenW * 15 / 320)
    }

    // "缴   费" on the left, "查看明细" on the right, in the same look.
    Repeater {
        model: [
            { name: "payBtn", text: qsTr("缴   费"), x: 10, action: () => page.controller.pay() },
            { name: "detailBtn", text: qsTr("查看明细"), x: page.screenW - 10 - page.buttonW,
              action: () => page.controller.detail() }
        ]
        Rectangle {
            id: button
            required property var modelData
            objectName: modelData.name
            x: page.px(modelData.x)
            y: page.below(page.screenH - page.buttonH - 20)
            width: page.px(page.buttonW)
            height: page.px(page.buttonH)
            radius: page.px(5)
            border.color: "grey"
            border.width: 1
            visible: page.controller.showsResult

            Text {
                anchors.centerIn: parent
                text: button.modelData.text
                color: "grey"
                font.pixelSize: page.px(16)
            }
            MouseArea {
                anchors.fill: parent
                onClicked: button.modelData.action()
            }
        }
    }
}
