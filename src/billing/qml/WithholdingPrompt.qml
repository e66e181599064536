import QtQml
import QtQuick
import QtQuick.Controls
import Tarvo.Ui
import Tarvo.Billing

// The withholding agreement prompt: an opaque grey cover over the whole window and, 40 points
// inside it, a panel with the agreement in a read-only scrolling text and the two answers.
// Escape declines; Enter agrees only once the agreement button has the focus.
ScreenPage {
    id: prompt

    readonly property LPWithholdAlertView agreement: controller as LPWithholdAlertView

    showsNavigationBar: false
    shade: Theme.agreementCover
    onBackRequested: prompt.agreement.backClick()

    Rectangle {
        id: customView
        objectName: "agreementPanel"
        x: 40 * prompt.pt
        y: 40 * prompt.pt
        width: parent.width - 80 * prompt.pt
        height: parent.height - 80 * prompt.pt
        radius: 8 * prompt.pt
        color: Theme.page
        clip: true
        Accessible.role: Accessible.Dialog
        Accessible.name: qsTr("代扣协议")

        NumberAnimation on scale {
            from: 0.1
            to: 1
            duration: 300
            easing.type: Easing.OutBack
            easing.overshoot: 2.2
        }

        ScrollView {
            id: scroller
            objectName: "protocolScroller"
            anchors.top: parent.top
            anchors.left: parent.left
            anchors.right: parent.right
            anchors.bottom: buttons.top
            anchors.margins: 12 * prompt.pt
            contentWidth: availableWidth
            clip: true

            TextArea {
                id: myTextView
                objectName: "myTextView"
                readOnly: true
                activeFocusOnTab: false
                wrapMode: TextEdit.Wrap
                text: prompt.agreement.protocolStr
                font.pixelSize: Theme.typeSize(Theme.smallSize) * prompt.pt
                color: Theme.text
                background: null
                padding: 0
                Accessible.name: qsTr("代扣协议")
            }
        }

        Row {
            id: buttons
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 12 * prompt.pt
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 16 * prompt.pt

            PrimaryButton {
                objectName: "backBtn"
                width: (customView.width - 3 * 16 * prompt.pt) / 2
                height: 40 * prompt.pt
                pt: prompt.pt
                filled: false
                cornerRadius: 5
                fontSize: 16
                textColor: Theme.text
                borderColor: Theme.outline
                text: qsTr("不同意")
                onClicked: prompt.agreement.backClick()
            }
            PrimaryButton {
                objectName: "agreenBtn"
                width: (customView.width - 3 * 16 * prompt.pt) / 2
                height: 40 * prompt.pt
                pt: prompt.pt
                cornerRadius: 5
                fontSize: 16
                text: qsTr("同意并缴费")
                onClicked: prompt.agreement.agreenClick()
            }
        }
    }
}
