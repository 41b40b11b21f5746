#include "forms/preview/PreviewRequestFilter.h"

PreviewRequestFilter::PreviewRequestFilter(QUrl page, QObject *parent)
    : QWebEngineUrlRequestInterceptor(parent)
    , m_page(std::move(page))
{ }

void PreviewRequestFilter::allowPicture(const QString &fileName)
{
    m_picture = fileName;
}

bool PreviewRequestFilter::allows(const QUrl &url) const
{
    // A local file on this machine, named without a query that could carry anything away.
    if (!url.isLocalFile() || url.hasQuery())
        return false;
    const QString file = url.toLocalFile();
    return file == m_page.toLocalFile() || (!m_picture.isEmpty() && file == m_picture);
}

void PreviewRequestFilter::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    info.block(!allows(info.requestUrl()));
}
