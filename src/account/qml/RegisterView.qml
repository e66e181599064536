import QtQuick
import "../shell"

// The registration screen: mobile number and password, register, or back to sign-in.
ScreenPage {
    id: registration

    showsNavigationBar: false

    Rectangle {
        id: header
        width: parent.width
        height: registration.height * 0.3
        color: Qt.rgba(105 / 255, 196 / 255, 104 / 255, 1)

        Column {
            anchors.centerIn: parent
            spacing: 8 * registration.pt
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: qsTr("用户注册")
                color: "white"
                font.pixelSize: 26 * registration.pt
                font.bold: true
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: qsTr("每台设备可注册一次")
                color: "white"
                font.pixelSize: 14 * registration.pt
            }
        }
    }

    Column {
        anchors.top: header.bottom
        anchors.topMargin: 24 * registration.pt
        x: 30 * registration.pt
        width: parent.width - 60 * registration.pt
        spacing: 12 * registration.pt

        TextInputRow {
            width: parent.width
            pt: registration.pt
            label: qsTr("手机号")
            placeholder: qsTr("请输入手机号码")
            text: registration.controller.accountText
            onTextEdited: registration.controller.accountText = text
        }
        TextInputRow {
            width: parent.width
            pt: registration.pt
            label: qsTr("密码")
            placeholder: qsTr("请设置密码")
            password: true
            text: registration.controller.passWordText
            onTextEdited: registration.controller.passWordText = text
        }

        Item { width: 1; height: 20 * registration.pt }

        Rectangle {
            width: parent.width
            height: 44 * registration.pt
            radius: 8 * registration.pt
            color: registerTap.pressed ? "#57a956" : "#69c468"
            Text {
                anchors.centerIn: parent
                text: qsTr("注 册")
                color: "white"
                font.pixelSize: 18 * registration.pt
            }
            MouseArea {
                id: registerTap
                anchors.fill: parent
                onClicked: { registration.forceActiveFocus(); registration.controller.registerBtn() }
            }
        }

        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("已有账号？返回登录")
            color: "#69c468"
            font.pixelSize: 15 * registration.pt
            MouseArea {
                anchors.fill: parent
                anchors.margins: -8 * registration.pt
                onClicked: registration.controller.loginBtn()
            }
        }
    }
}
