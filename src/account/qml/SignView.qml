import QtQml
import QtQuick
import Tarvo.Ui
import Tarvo.Account

// The sign-in screen: account, password, the remember-password toggle, sign-in and register.
// Enter in either field signs in; there is no way back from here but signing in.
ScreenPage {
    id: sign

    readonly property SignViewController signIn: controller as SignViewController

    showsNavigationBar: false

    function submit() {
        sign.takeFocus()
        sign.signIn.loginBtn()
    }

    Component.onCompleted: account.input.forceActiveFocus()

    AccountHeader {
        id: header
        width: sign.width
        x: -sign.column.x
        height: sign.height * 0.3
        pt: sign.pt
        title: qsTr("Tarvo在线缴费")
        subtitle: qsTr("用户登录")
    }

    Column {
        anchors.top: header.bottom
        anchors.topMargin: 24 * sign.pt
        x: 30 * sign.pt
        width: parent.width - 60 * sign.pt
        spacing: 12 * sign.pt

        TextInputRow {
            id: account
            objectName: "accountField"
            width: parent.width
            pt: sign.pt
            label: qsTr("账号")
            placeholder: qsTr("请输入手机号码")
            text: sign.signIn.accountText
            onTextEdited: sign.signIn.accountText = text
            onAccepted: sign.submit()
        }
        TextInputRow {
            objectName: "passwordField"
            width: parent.width
            pt: sign.pt
            label: qsTr("密码")
            placeholder: qsTr("请输入密码")
            password: true
            text: sign.signIn.passWordText
            onTextEdited: sign.signIn.passWordText = text
            onAccepted: sign.submit()
        }

        Item {
            id: remember
            objectName: "remember"
            width: parent.width
            height: 36 * sign.pt
            activeFocusOnTab: true
            Accessible.role: Accessible.CheckBox
            Accessible.name: qsTr("记住密码")
            Accessible.checkable: true
            Accessible.checked: sign.signIn.miMaKuang
            Accessible.onToggleAction: sign.signIn.remerberPassword()
            Accessible.onPressAction: sign.signIn.remerberPassword()
            Keys.onSpacePressed: sign.signIn.remerberPassword()

            Row {
                anchors.verticalCenter: parent.verticalCenter
                spacing: 8 * sign.pt
                Image {
                    objectName: "miMaKuang"
                    width: 20 * sign.pt
                    height: width
                    sourceSize.width: width
                    sourceSize.height: height
                    source: sign.signIn.miMaKuang ? "qrc:/tarvo/images/Selected.svg"
                                                  : "qrc:/tarvo/images/disSelected.svg"
                }
                Text {
                    text: qsTr("记住密码")
                    font.pixelSize: Theme.typeSize(Theme.smallSize) * sign.pt
                    font.underline: remember.activeFocus
                    color: Theme.secondaryText
                }
            }
            MouseArea {
                width: parent.width / 2
                height: parent.height
                onClicked: sign.signIn.remerberPassword()
            }
        }

        Item { width: 1; height: 8 * sign.pt }

        PrimaryButton {
            objectName: "loginButton"
            width: parent.width
            pt: sign.pt
            text: qsTr("登 录")
            onClicked: sign.submit()
        }
        PrimaryButton {
            objectName: "registerButton"
            width: parent.width
            pt: sign.pt
            filled: false
            fontSize: Theme.bodySize
            text: qsTr("注册新用户")
            onClicked: sign.signIn.riginBtn()
        }
    }
}
