#pragma once

#include <QUrl>
#include <QWebEngineView>

class PreviewPage;
class PreviewRequestFilter;
class QWebEngineProfile;

// The embedded browser of the preview window, made a viewer of one local page rather than a
// browser: it runs no script and no plugin, fetches nothing but the page and the chosen
// background picture, follows no link, opens no window, downloads nothing, offers no context
// menu and keeps nothing once it goes (its profile is off the record).
class PreviewBrowser : public QWebEngineView
{
    Q_OBJECT

public:
    explicit PreviewBrowser(QUrl page, QWidget *parent = nullptr);
    ~PreviewBrowser() override;

    // Loads the page afresh from its file.
    void showPage();

    // Lets the page show this picture as its background.
    void allowPicture(const QString &fileName);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    const QUrl m_pageUrl;
    QWebEngineProfile *m_profile;
    PreviewRequestFilter *m_filter;
    PreviewPage *m_page;
};
