#pragma once

#include <QUrl>

class PageFetcher;
class ViewController;

/// The notices button: fetches the notice list page in the background, under a loading
/// indicator over `home`, and pushes the notice screen once the list is complete. A page that
/// cannot be fetched is reported and nothing opens; a tap while the list loads does nothing.
void openNoticesWhenListed(ViewController *home, PageFetcher *fetcher, const QUrl &website);
