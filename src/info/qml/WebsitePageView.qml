import QtQuick
import "../shell"

// A notice, guide, publicity or about page: the picked parts of the website page in a web view
// that scrolls only up and down, made once the page has arrived.
ScreenPage {
    id: page

    // The parts come without the site's stylesheet; this gives them the look of its article
    // pages. Pictures with a site-relative address cannot load (there is no base address),
    // so they are left out rather than shown as broken boxes.
    readonly property string pageStyle:
        "body { margin: 12px 15px 24px; font-family: sans-serif; font-size: 15px;"
        + " line-height: 1.7; color: #333333; overflow-wrap: break-word; }"
        + " p { margin: 0 0 10px; }"
        + " .news_title { font-size: 18px; font-weight: bold; color: #222222;"
        + " text-align: center; line-height: 1.4; margin: 4px 0 6px; }"
        + " .news_info { font-size: 12px; color: #999999; text-align: center;"
        + " padding-bottom: 8px; margin-bottom: 12px; border-bottom: 1px solid #e5e5e5; }"
        + " .news_body { margin-top: 4px; }"
        + " img { max-width: 100%; height: auto; }"
        + " img:not([src*='://']) { display: none; }"

    function document(markup) {
        return "<!DOCTYPE html><html><head><meta charset=\"utf-8\">"
            + "<meta name=\"viewport\" content=\"width=device-width\">"
            + "<style>" + pageStyle + "</style></head><body>" + markup + "</body></html>"
    }

    Loader {
        anchors.fill: parent
        active: page.controller.pageArrived
        sourceComponent: VerticalScrollWebView {
            zoomFactor: page.pt
            Component.onCompleted: {
                loadHtml(page.document(page.controller.html))
                // The view fills the page, so its width is the page's.
                runJavaScript(page.controller.viewportScript(page.width / page.pt))
            }
        }
    }
}
