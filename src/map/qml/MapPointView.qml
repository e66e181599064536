import QtQml
import QtQuick
import Tarvo.Ui
import Tarvo.Map

// The outlet map below the navigation bar: tiles, the markers over them and the open callout
// on top. The map works in points; this view turns its points into pixels (pt) and its
// gestures into the map's pan and zoom.
ScreenPage {
    id: page

    readonly property MapView mapView: (controller as MapPointViewController).mapView

    onMapViewChanged: map.reportSize()

    Item {
        id: map
        objectName: "map"
        // The map fills the window's width below the bar, not only the content column.
        x: -page.column.x
        width: page.width
        height: parent.height
        clip: true
        Accessible.role: Accessible.Pane
        Accessible.name: qsTr("营业网点地图")

        function reportSize() {
            if (page.mapView && width > 0 && height > 0)
                page.mapView.setViewSize(width / page.pt, height / page.pt)
        }
        onWidthChanged: reportSize()
        onHeightChanged: reportSize()

        // Where no tile has arrived (or none can be fetched) the map is a plain light ground.
        Rectangle {
            anchors.fill: parent
            color: Theme.mapGround
        }

        Repeater {
            model: page.mapView?.tiles ?? []

            Image {
                required property var modelData
                readonly property real tileScale: page.mapView.tileScale * page.pt
                x: page.mapView.tileLayerOrigin.x * page.pt + modelData.x * tileScale
                y: page.mapView.tileLayerOrigin.y * page.pt + modelData.y * tileScale
                width: 256 * tileScale
                height: width
                source: modelData.url
                asynchronous: true
                smooth: true
            }
        }

        PinchArea {
            anchors.fill: parent
            property real lastScale: 1

            onPinchStarted: lastScale = 1
            // Rotation stays off: only the pinch's scale and centre are used.
            onPinchUpdated: (pinch) => {
                page.mapView.zoomAt(pinch.scale / lastScale, pinch.center.x / page.pt,
                                    pinch.center.y / page.pt)
                lastScale = pinch.scale
            }

            MouseArea {
                anchors.fill: parent
                property point last
                property bool dragged: false

                onPressed: (mouse) => {
                    last = Qt.point(mouse.x, mouse.y)
                    dragged = false
                }
                onPositionChanged: (mouse) => {
                    const dx = mouse.x - last.x
                    const dy = mouse.y - last.y
                    if (!dragged && Math.abs(dx) + Math.abs(dy) < 6 * page.pt)
                        return
                    dragged = true
                    page.mapView.pan(dx / page.pt, dy / page.pt)
                    last = Qt.point(mouse.x, mouse.y)
                }
                onClicked: {
                    if (!dragged)
                        page.mapView.deselectAnnotationView()
                }
                // One notch of a wheel is a quarter of a zoom level.
                onWheel: (wheel) => page.mapView.zoomAt(Math.pow(2, wheel.angleDelta.y / 480),
                                                       wheel.x / page.pt, wheel.y / page.pt)
            }
        }

        Repeater {
            model: page.mapView?.annotationViews ?? []

            MapMarker {
                required property MyAnnotationView modelData
                view: modelData
                pt: page.pt
                onTapped: page.mapView.selectAnnotationView(modelData)
            }
        }

        MapCallout {
            view: page.mapView?.selectedAnnotationView as MyAnnotationView
            pt: page.pt
            markerHeight: 37 * page.pt // an open marker stands a little taller
        }
    }
}
