#pragma once

#include <QUrl>
#include <QWebEnginePage>

// The preview's page: it shows the one page the program loads into it and goes nowhere else.
// Links, forms, refreshes and frames lead nowhere, and nothing opens a window.
class PreviewPage : public QWebEnginePage
{
    Q_OBJECT

public:
    PreviewPage(QUrl page, QWebEngineProfile *profile, QObject *parent = nullptr);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;

private:
    const QUrl m_page;
};
