import QtQml
import QtQuick
import Tarvo.Ui
import Tarvo.Info

// A notice, guide, publicity or about page: the picked parts of the website page in a web view
// that scrolls only up and down, made once the page has arrived.
ScreenPage {
    id: page

    readonly property WebsitePageViewController website: controller as WebsitePageViewController

    // The notice and guide pages shrink their title on narrow windows; the about page does not.
    smallTitleWhenNarrow: !(controller instanceof AboutUsViewController)

    // The parts come without the site's stylesheet; this gives them the look of its article
    // pages. Pictures with a site-relative address cannot load (there is no base address),
    // so they are left out rather than shown as broken boxes.
    readonly property string pageStyle:
        "body { margin: 12px 15px 24px; font-family: sans-serif;"
        + " font-size: " + Theme.typeSize(15) + "px;"
        + " line-height: 1.7; color: " + Theme.text + "; overflow-wrap: break-word; }"
        + " p { margin: 0 0 10px; }"
        + " .news_title { font-size: " + Theme.typeSize(18) + "px; font-weight: bold;"
        + " color: " + Theme.titleText + "; text-align: center; line-height: 1.4; margin: 4px 0 6px; }"
        + " .news_info { font-size: " + Theme.typeSize(12) + "px; color: " + Theme.quietText + ";"
        + " text-align: center;"
        + " padding-bottom: 8px; margin-bottom: 12px;"
        + " border-bottom: 1px solid " + Theme.hairline + "; }"
        + " .news_body { margin-top: 4px; }"
        + " img { max-width: 100%; height: auto; }"
        + " img:not([src*='://']) { display: none; }"

    function document(markup) {
        return "<!DOCTYPE html><html><head><meta charset=\"utf-8\">"
            + "<meta name=\"viewport\" content=\"width=device-width\">"
            + "<style>" + pageStyle + "</style></head><body>" + markup + "</body></html>"
    }

    Loader {
        id: webView
        anchors.fill: parent
        Accessible.name: page.website.title
    }
    Connections {
        target: page.website
        function onPageArrivedChanged() { page.showPage() }
    }
    Component.onCompleted: showPage()

    // The web view is made once the page has arrived; it fills the content column, so its width
    // is the column's.
    function showPage() {
        if (!website.pageArrived || webView.status !== Loader.Null)
            return
        webView.setSource("qrc:/qt/qml/Tarvo/Web/VerticalScrollWebView.qml", {
            zoomFactor: pt,
            html: document(website.html),
            setUpScript: website.viewportScript(column.width / pt)
        })
    }
}
