import QtQuick
import QtQuick.Controls
import Tarvo
import "qrc:/tarvo/shell"

// The one window: the navigation stack, the modal screens over it, alerts and the progress
// overlay. It answers the Navigator's requests; screens never reach each other directly.
Window {
    id: window

    width: 375
    height: 667
    minimumWidth: 320
    minimumHeight: 480
    visible: true
    title: qsTr("Tarvo在线缴费")
    color: "white"

    readonly property real pt: width / 375
    property var alerts: []

    StackView {
        id: stack
        anchors.fill: parent
    }

    // Swipe back: a drag from the left edge of a pushed screen takes it off the stack.
    MouseArea {
        id: swipeBack
        width: 20 * window.pt
        height: parent.height
        enabled: stack.depth > 1 && modalLayer.children.length === 0
        preventStealing: true
        property real startX: 0
        onPressed: (mouse) => startX = mouse.x
        onReleased: (mouse) => {
            if (mouse.x - startX > window.width / 3)
                stack.currentItem.controller.back()
        }
    }

    Item {
        id: modalLayer
        anchors.fill: parent
    }

    Repeater {
        model: window.alerts
        AlertBox {
            required property var modelData
            anchors.fill: parent
            pt: window.pt
            title: modelData.title
            message: modelData.message
            buttons: modelData.buttons
            onAnswered: (button) => {
                window.alerts = window.alerts.filter(a => a.alertId !== modelData.alertId)
                Navigator.answerAlert(modelData.alertId, button)
            }
        }
    }

    ProgressOverlay {
        anchors.fill: parent
        pt: window.pt
        visible: Navigator.progressVisible
        text: Navigator.progressText
    }

    Component {
        id: slideIn
        NumberAnimation { property: "y"; duration: 300; easing.type: Easing.OutCubic }
    }

    function presentPage(view, screen, animated) {
        const component = Qt.createComponent(view)
        if (component.status !== Component.Ready) {
            console.warn("cannot load", view, component.errorString())
            return
        }
        const page = component.createObject(modalLayer, {
            controller: screen, width: window.width, height: window.height,
            y: animated ? window.height : 0
        })
        page.width = Qt.binding(() => window.width)
        page.height = Qt.binding(() => window.height)
        page.forceActiveFocus()
        if (animated)
            slideIn.createObject(page, { target: page, to: 0 }).start()
    }

    function dismissPages(screens, animated) {
        for (let i = modalLayer.children.length - 1; i >= 0; --i) {
            const page = modalLayer.children[i]
            if (!screens.includes(page.controller))
                continue
            if (!animated) {
                page.destroy()
                continue
            }
            const out = slideIn.createObject(page, { target: page, to: window.height })
            out.finished.connect(() => page.destroy())
            out.start()
        }
    }

    Connections {
        target: Navigator
        function onPushRequested(view, screen, animated) {
            stack.push(view, { controller: screen },
                       animated && stack.depth > 0 ? StackView.PushTransition : StackView.Immediate)
        }
        function onPopRequested(animated) {
            stack.pop(animated ? StackView.PopTransition : StackView.Immediate)
        }
        function onPresentRequested(view, screen, animated) {
            window.presentPage(view, screen, animated)
        }
        function onDismissRequested(screens, animated) {
            window.dismissPages(screens, animated)
        }
        function onAlertsClosed() {
            window.alerts = []
        }
        function onAlertRequested(alertId, title, message, buttons) {
            window.alerts = window.alerts.concat([{ alertId: alertId, title: title,
                                                    message: message, buttons: buttons }])
        }
    }

    NotificationBanner {
        source: Notifications
        anchors.top: parent.top
    }
}
