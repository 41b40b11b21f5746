#include "forms/preview/PreviewPage.h"

PreviewPage::PreviewPage(QUrl page, QWebEngineProfile *profile, QObject *parent)
    : QWebEnginePage(profile, parent)
    , m_page(std::move(page))
{ }

bool PreviewPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    // Only the program loads, and only the preview page; whatever the page itself starts is
    // refused.
    return isMainFrame && type == NavigationTypeTyped && url == m_page;
}

QWebEnginePage *PreviewPage::createWindow(WebWindowType)
{
    return nullptr;
}
