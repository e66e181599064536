import QtQml
import QtQuick
import Tarvo.Ui
import Tarvo.Billing

// The sheet that saves an account under a label, or renames or removes a saved one: a panel
// in the middle of a dimmed window with the account, the label's input, why a label was
// refused, and the answers. Enter saves, Escape closes without a change.
ScreenPage {
    id: sheet

    readonly property SavedAccountSheet editor: controller as SavedAccountSheet

    showsNavigationBar: false
    shade: Theme.sheetScrim
    onBackRequested: sheet.editor.cancel()
    onEnterPressed: sheet.editor.save()
    Component.onCompleted: labelInput.input.forceActiveFocus()

    Rectangle {
        id: panel
        objectName: "savedAccountPanel"
        anchors.centerIn: parent
        width: Math.min(300 * sheet.pt, sheet.column.width - 32 * sheet.pt)
        height: Math.min(content.implicitHeight, sheet.height - 32 * sheet.pt)
        radius: 12 * sheet.pt
        color: Theme.alertPanel
        border.color: Theme.outline
        border.width: Theme.careLineWidth
        clip: true
        Accessible.role: Accessible.Dialog
        Accessible.name: sheet.editor.title

        Flickable {
            anchors.fill: parent
            contentHeight: content.implicitHeight
            boundsBehavior: Flickable.StopAtBounds

            Column {
                id: content
                x: 16 * sheet.pt
                width: panel.width - 32 * sheet.pt
                topPadding: 18 * sheet.pt
                bottomPadding: 16 * sheet.pt
                spacing: 12 * sheet.pt

                Text {
                    width: parent.width
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.Wrap
                    text: sheet.editor.title
                    font.pixelSize: Theme.typeSize(17) * sheet.pt
                    font.bold: true
                    color: Theme.strongText
                }
                Text {
                    width: parent.width
                    horizontalAlignment: Text.AlignHCenter
                    wrapMode: Text.WrapAnywhere
                    text: qsTr("户号：") + sheet.editor.account
                    font.pixelSize: Theme.typeSize(15) * sheet.pt
                    color: Theme.text
                }
                TextInputRow {
                    id: labelInput
                    objectName: "savedAccountLabel"
                    width: parent.width
                    height: Math.max(40 * sheet.pt, Theme.typeSize(Theme.bodySize) * sheet.pt * 1.8)
                    pt: sheet.pt
                    framed: true
                    placeholder: qsTr("备注名，如：家、父母家")
                    text: sheet.editor.label
                    onTextEdited: sheet.editor.label = text
                    onAccepted: sheet.editor.save()
                }
                Text {
                    objectName: "savedAccountRefusal"
                    width: parent.width
                    visible: text !== ""
                    wrapMode: Text.Wrap
                    text: sheet.editor.refusal
                    font.pixelSize: Theme.typeSize(14) * sheet.pt
                    color: Theme.money
                }
                Row {
                    id: answers
                    width: parent.width
                    spacing: 10 * sheet.pt
                    readonly property int count: sheet.editor.isSaved ? 3 : 2
                    readonly property real buttonWidth: (width - (count - 1) * spacing) / count

                    PrimaryButton {
                        objectName: "removeSavedAccount"
                        visible: sheet.editor.isSaved
                        width: answers.buttonWidth
                        pt: sheet.pt
                        filled: false
                        fontSize: 16
                        textColor: Theme.money
                        borderColor: Theme.money
                        text: qsTr("删除")
                        onClicked: sheet.editor.remove()
                    }
                    PrimaryButton {
                        width: answers.buttonWidth
                        pt: sheet.pt
                        filled: false
                        fontSize: 16
                        textColor: Theme.text
                        borderColor: Theme.outline
                        text: qsTr("取消")
                        onClicked: sheet.editor.cancel()
                    }
                    PrimaryButton {
                        objectName: "saveSavedAccount"
                        width: answers.buttonWidth
                        pt: sheet.pt
                        fontSize: 16
                        text: qsTr("保存")
                        onClicked: sheet.editor.save()
                    }
                }
            }
        }
    }
}
