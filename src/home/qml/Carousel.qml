import QtQml
import QtQuick
import Tarvo.Ui
import Tarvo.Home

// The home carousel: one picture per page, page dots, and the timed advance that the
// controller asks for.
Item {
    id: root

    required property KTWheelPhotoView wheel
    property real pt: 1

    clip: true

    ListView {
        id: list
        anchors.fill: parent
        orientation: ListView.Horizontal
        snapMode: ListView.SnapOneItem
        highlightRangeMode: ListView.StrictlyEnforceRange
        boundsBehavior: Flickable.StopAtBounds
        model: root.wheel.cells
        spacing: 0

        delegate: Item {
            id: page
            required property HomeWheelCell modelData
            required property int index
            width: list.width
            Accessible.role: Accessible.Graphic
            Accessible.name: qsTr("轮播图片 %1/%2").arg(page.index + 1).arg(list.count)
            // Taller than the list: the pictures are cut at the bottom.
            height: list.height + 64 * root.pt

            // What shows while a picture loads, or for good when it cannot be loaded.
            Rectangle {
                anchors.fill: parent
                color: Theme.pictureGround
            }
            Image {
                objectName: "wheelPicture"
                anchors.fill: parent
                asynchronous: false
                cache: false
                fillMode: Image.Stretch
                source: page.modelData.imageSource
            }
            MouseArea {
                anchors.fill: parent
                onClicked: root.wheel.selectItem(page.index)
            }
        }

        onContentXChanged: root.wheel.didScroll(contentX - originX, width)
        onWidthChanged: root.wheel.didScroll(contentX - originX, width)
        onDraggingChanged: dragging ? root.wheel.willBeginDragging() : root.wheel.didEndDragging()

        NumberAnimation {
            id: advance
            target: list
            property: "contentX"
            duration: 300
            easing.type: Easing.InOutQuad
        }
    }

    Connections {
        target: root.wheel
        function onScrollRequested(offset) {
            advance.to = offset + list.originX
            advance.restart()
        }
    }

    Row {
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 18 * root.pt - height / 2
        spacing: 9 * root.pt

        Repeater {
            model: root.wheel.cells.length
            Rectangle {
                required property int index
                width: 7 * root.pt
                height: width
                radius: width / 2
                color: index === root.wheel.currentPage ? Theme.currentPageDot : Theme.pageDot
            }
        }
    }
}
