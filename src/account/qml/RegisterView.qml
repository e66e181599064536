import QtQml
import QtQuick
import Tarvo.Ui
import Tarvo.Account

// The registration screen: mobile number and password, register, or back to sign-in. Enter in
// either field registers; Escape goes back to sign-in.
ScreenPage {
    id: registration

    readonly property RegisterViewController register: controller as RegisterViewController

    showsNavigationBar: false
    onBackRequested: registration.register.loginBtn()

    function submit() {
        registration.takeFocus()
        registration.register.registerBtn()
    }

    Component.onCompleted: phone.input.forceActiveFocus()

    AccountHeader {
        id: header
        width: registration.width
        x: -registration.column.x
        height: registration.height * 0.3
        pt: registration.pt
        title: qsTr("用户注册")
        subtitle: qsTr("每台设备可注册一次")
    }

    Column {
        anchors.top: header.bottom
        anchors.topMargin: 24 * registration.pt
        x: 30 * registration.pt
        width: parent.width - 60 * registration.pt
        spacing: 12 * registration.pt

        TextInputRow {
            id: phone
            objectName: "phoneField"
            width: parent.width
            pt: registration.pt
            label: qsTr("手机号")
            placeholder: qsTr("请输入手机号码")
            text: registration.register.accountText
            onTextEdited: registration.register.accountText = text
            onAccepted: registration.submit()
        }
        TextInputRow {
            objectName: "passwordField"
            width: parent.width
            pt: registration.pt
            label: qsTr("密码")
            placeholder: qsTr("请设置密码")
            password: true
            text: registration.register.passWordText
            onTextEdited: registration.register.passWordText = text
            onAccepted: registration.submit()
        }

        Item { width: 1; height: 20 * registration.pt }

        PrimaryButton {
            objectName: "registerButton"
            width: parent.width
            pt: registration.pt
            text: qsTr("注 册")
            onClicked: registration.submit()
        }

        Text {
            id: backToSignIn
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("已有账号？返回登录")
            color: Theme.brand
            font.pixelSize: Theme.typeSize(15) * registration.pt
            font.underline: activeFocus
            activeFocusOnTab: true
            Accessible.role: Accessible.Link
            Accessible.name: text
            Accessible.onPressAction: registration.register.loginBtn()
            Keys.onSpacePressed: registration.register.loginBtn()
            Keys.onReturnPressed: registration.register.loginBtn()

            MouseArea {
                anchors.fill: parent
                anchors.margins: -8 * registration.pt
                onClicked: registration.register.loginBtn()
            }
        }
    }
}
