pragma Singleton
import QtQml
import QtQuick
import Tarvo.Ui

// The app's look in one place: colours, type and the point scale every screen lays out with.
//
// Screens are designed for a phone 375 points wide. On any other window one point is
// scale(width) pixels, capped so that a desktop window does not blow the design up; the
// content sits in a centred column columnWidth(width) wide while the navigation bar spans the
// whole window.
//
// Care mode (CareMode) draws every text textScale times its designed size, and darkens text,
// lines and accents for contrast: screens take sizes through typeSize() and colours from here.
QtObject {
    readonly property bool careMode: CareMode.enabled
    readonly property real textScale: CareMode.textFactor
    // A type size of the design, in points, as drawn now.
    function typeSize(points) {
        return points * textScale
    }

    readonly property real designWidth: 375
    readonly property real maximumScale: 1.25
    // At or below this width the designs use their smaller type for titles.
    readonly property real narrowWidth: 320

    function scale(windowWidth) {
        return Math.min(windowWidth / designWidth, maximumScale)
    }
    function columnWidth(windowWidth) {
        return Math.min(windowWidth, designWidth * scale(windowWidth))
    }

    // The brand: the green of the navigation bar, the main buttons and the accents.
    readonly property color brand: careMode ? "#2e7d32" : Qt.rgba(105 / 255, 196 / 255, 104 / 255, 1)
    readonly property color brandPressed: Qt.darker(brand, 1.15)
    readonly property color brandTint: Qt.lighter(brand, 1.6)
    readonly property color brandText: "white"
    readonly property color lightText: "white"

    readonly property color page: "white"
    readonly property color groupedPage: "#efeff4"
    readonly property color pressed: "#e8e8e8"

    readonly property color text: careMode ? "#000000" : "#333333"
    readonly property color strongText: careMode ? "#000000" : "#111111"
    readonly property color titleText: careMode ? "#000000" : "#222222"
    readonly property color secondaryText: careMode ? "#222222" : "#666666"
    readonly property color quietText: careMode ? "#333333" : "#888888"
    readonly property color placeholder: careMode ? "#5f5f5f" : "#b0b0b0"
    readonly property color disabledText: careMode ? "#6a6a6a" : "#b8b8b8"
    readonly property color outline: careMode ? "#303030" : "grey"
    readonly property color hairline: careMode ? "#767676" : "#dddddd"
    readonly property color separator: careMode ? "#5a5a5a" : "#d0d0d0"
    readonly property color menuLine: careMode ? "#5a5a5a" : Qt.rgba(187 / 255, 187 / 255, 187 / 255, 1)
    readonly property color tableBorder: careMode ? "#404040" : "#a0a0a0"

    readonly property color money: careMode ? "#c00000" : "red"
    readonly property color redPacket: careMode ? "#b71c1c" : "#e8453c"
    readonly property color dateCaption: careMode ? "#0000b0" : "blue"
    readonly property color sheetRule: "blue"
    readonly property color paymentList: Qt.rgba(211 / 255, 208 / 255, 193 / 255, 1)
    readonly property color detailRow: "#f4f4f4"
    readonly property color detailRowBorder: "#e0e0e0"
    // Laid over buttons whose look is a picture: care mode paints them in its darker brand
    // colour, so that their white text stands out.
    readonly property color pictureButtonCover: careMode ? brand : clear
    readonly property color pictureGround: "#e6ece6"
    readonly property color mapGround: "#eceae4"
    readonly property color pageDot: "white"
    readonly property color currentPageDot: "red"
    readonly property color loadingDot: "red"

    // Layers over the screen: how dark each one makes what it covers.
    readonly property color scrim: Qt.rgba(0, 0, 0, 0.4)
    readonly property color sheetScrim: Qt.rgba(0, 0, 0, 0.5)
    readonly property color agreementCover: Qt.rgba(0.6, 0.6, 0.6, 1)
    readonly property color clear: "transparent"
    readonly property color loadingSquare: Qt.rgba(0, 0, 0, 0.7)
    readonly property color progressPanel: Qt.rgba(0, 0, 0, 0.75)
    readonly property color messageGround: "black"
    readonly property color messageText: "orange"

    readonly property color alertPanel: "#f7f7f7"
    readonly property color alertButtonText: careMode ? "#0050b3" : "#157efb"
    readonly property color alertPressed: "#e0e0e0"

    readonly property color bannerGround: "#f2ffffff"
    readonly property color bannerBorder: "#d0d0d0"
    readonly property color bannerAction: careMode ? "#0d47a1" : "#1e88e5"
    readonly property color badge: "#e53935"

    // Type. Sizes are points on the 375-point design; multiply by the screen's scale.
    readonly property real titleSize: 20
    readonly property real narrowTitleSize: 16
    readonly property real bodySize: 16
    readonly property real smallSize: 14
    readonly property real buttonSize: 18

    // Lines: of framed controls; those only care mode draws (around panels and switches); and
    // the ring around whatever has the keyboard focus.
    readonly property real borderWidth: careMode ? 2 : 1
    readonly property real careLineWidth: careMode ? 2 : 0
    readonly property real focusWidth: careMode ? 3 : 2

    // The smallest area a finger or pointer can be expected to hit.
    readonly property real touchTarget: 44
}
