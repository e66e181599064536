import QtQuick
import "../shell"

// The sign-in screen: account, password, the remember-password toggle, sign-in and register.
ScreenPage {
    id: sign

    showsNavigationBar: false

    Rectangle {
        id: header
        width: parent.width
        height: sign.height * 0.3
        color: Qt.rgba(105 / 255, 196 / 255, 104 / 255, 1)

        Column {
            anchors.centerIn: parent
            spacing: 8 * sign.pt
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: qsTr("Tarvo在线缴费")
                color: "white"
                font.pixelSize: 26 * sign.pt
                font.bold: true
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: qsTr("用户登录")
                color: "white"
                font.pixelSize: 16 * sign.pt
            }
        }
    }

    Column {
        anchors.top: header.bottom
        anchors.topMargin: 24 * sign.pt
        x: 30 * sign.pt
        width: parent.width - 60 * sign.pt
        spacing: 12 * sign.pt

        TextInputRow {
            width: parent.width
            pt: sign.pt
            label: qsTr("账号")
            placeholder: qsTr("请输入手机号码")
            text: sign.controller.accountText
            onTextEdited: sign.controller.accountText = text
        }
        TextInputRow {
            width: parent.width
            pt: sign.pt
            label: qsTr("密码")
            placeholder: qsTr("请输入密码")
            password: true
            text: sign.controller.passWordText
            onTextEdited: sign.controller.passWordText = text
        }

        Item {
            width: parent.width
            height: 36 * sign.pt

            Row {
                anchors.verticalCenter: parent.verticalCenter
                spacing: 8 * sign.pt
                Image {
                    objectName: "miMaKuang"
                    width: 20 * sign.pt
                    height: width
                    sourceSize: Qt.size(width, height)
                    source: sign.controller.miMaKuang ? "qrc:/tarvo/images/Selected.svg"
                                                      : "qrc:/tarvo/images/disSelected.svg"
                }
                Text {
                    text: qsTr("记住密码")
                    font.pixelSize: 14 * sign.pt
                    color: "#555555"
                }
            }
            MouseArea {
                width: parent.width / 2
                height: parent.height
                onClicked: sign.controller.remerberPassword()
            }
        }

        Item { width: 1; height: 8 * sign.pt }

        Rectangle {
            width: parent.width
            height: 44 * sign.pt
            radius: 8 * sign.pt
            color: loginTap.pressed ? "#57a956" : "#69c468"
            Text {
                anchors.centerIn: parent
                text: qsTr("登 录")
                color: "white"
                font.pixelSize: 18 * sign.pt
            }
            MouseArea {
                id: loginTap
                anchors.fill: parent
                onClicked: { sign.forceActiveFocus(); sign.controller.loginBtn() }
            }
        }

        Rectangle {
            width: parent.width
            height: 44 * sign.pt
            radius: 8 * sign.pt
            color: registerTap.pressed ? "#eef8ee" : "white"
            border.color: "#69c468"
            border.width: 1
            Text {
                anchors.centerIn: parent
                text: qsTr("注册新用户")
                color: "#69c468"
                font.pixelSize: 16 * sign.pt
            }
            MouseArea {
                id: registerTap
                anchors.fill: parent
                onClicked: sign.controller.riginBtn()
            }
        }
    }
}
