#pragma once

#include <QUrl>
#include <QWebEngineUrlRequestInterceptor>

// Lets the preview's browser fetch the preview page and the background picture the user chose,
// and nothing else: no other local file, no address on the network, whatever the markup asks
// for.
class PreviewRequestFilter : public QWebEngineUrlRequestInterceptor
{
    Q_OBJECT

public:
    PreviewRequestFilter(QUrl page, QObject *parent = nullptr);

    // The picture the user chose for the background; it replaces the one chosen before.
    void allowPicture(const QString &fileName);

    bool allows(const QUrl &url) const;

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

private:
    const QUrl m_page;
    QString m_picture;
};
