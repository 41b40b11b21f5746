#include "forms/preview/PreviewBrowser.h"

#include "forms/preview/PreviewPage.h"
#include "forms/preview/PreviewRequestFilter.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace {

// What a fade needs is HTML, fonts, colours and one picture; everything else is turned off.
void restrict(QWebEngineSettings &settings)
{
    using Setting = QWebEngineSettings;
    for (const Setting::WebAttribute attribute :
         {Setting::JavascriptEnabled, Setting::JavascriptCanOpenWindows,
          Setting::JavascriptCanAccessClipboard, Setting::JavascriptCanPaste,
          Setting::LocalStorageEnabled, Setting::LocalContentCanAccessRemoteUrls,
          Setting::PluginsEnabled, Setting::PdfViewerEnabled, Setting::HyperlinkAuditingEnabled,
          Setting::DnsPrefetchEnabled, Setting::AutoLoadIconsForPage, Setting::TouchIconsEnabled,
          Setting::NavigateOnDropEnabled, Setting::FullScreenSupportEnabled,
          Setting::ScreenCaptureEnabled, Setting::WebGLEnabled,
          Setting::AllowWindowActivationFromJavaScript, Setting::AllowRunningInsecureContent,
          Setting::AllowGeolocationOnInsecureOrigins})
        settings.setAttribute(attribute, false);
    // The page is a local file and so is its picture, which the browser would not fetch for it
    // without this; the request filter lets those two through and no other file.
    settings.setAttribute(Setting::LocalContentCanAccessFileUrls, true);
    settings.setAttribute(Setting::WebRTCPublicInterfacesOnly, true);
    settings.setUnknownUrlSchemePolicy(Setting::DisallowUnknownUrlSchemes);
}

} // namespace

PreviewBrowser::PreviewBrowser(QUrl page, QWidget *parent)
    : QWebEngineView(parent)
    , m_pageUrl(std::move(page))
    // A profile without a storage name is off the record.
    , m_profile(new QWebEngineProfile(this))
    , m_filter(new PreviewRequestFilter(m_pageUrl, m_profile))
    , m_page(new PreviewPage(m_pageUrl, m_profile, this))
{
    restrict(*m_profile->settings());
    m_profile->setUrlRequestInterceptor(m_filter);
    connect(m_profile, &QWebEngineProfile::downloadRequested, this,
            [](QWebEngineDownloadRequest *download) { download->cancel(); });
    setPage(m_page);
    setContextMenuPolicy(Qt::NoContextMenu);
}

PreviewBrowser::~PreviewBrowser()
{
    // The page must go before the profile it was made with, which goes with the other children.
    delete m_page;
}

void PreviewBrowser::showPage()
{
    load(m_pageUrl);
}

void PreviewBrowser::allowPicture(const QString &fileName)
{
    m_filter->allowPicture(fileName);
}

// The page is drawn by a child widget that the browser makes when it needs one; its keys are
// watched from then on.
bool PreviewBrowser::event(QEvent *event)
{
    if (event->type() == QEvent::ChildAdded) {
        if (QObject *child = static_cast<QChildEvent *>(event)->child(); child->isWidgetType())
            child->installEventFilter(this);
    }
    return QWebEngineView::event(event);
}

// The browser engine stops the whole program on a key whose text runs to several characters,
// as a compose sequence may type. Such text reaches the page as an input method gives it.
bool PreviewBrowser::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const QString text = static_cast<const QKeyEvent *>(event)->text();
    if (text.size() < 2)
        return false;
    if (event->type() == QEvent::KeyPress) {
        QInputMethodEvent typed;
        typed.setCommitString(text);
        QCoreApplication::sendEvent(watched, &typed);
    }
    return true;
}
