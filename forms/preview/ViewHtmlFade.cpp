#include "forms/preview/ViewHtmlFade.h"

#include "forms/preview/BrowserCheck.h"
#include "forms/preview/PreviewNotices.h"
#include "forms/preview/Tinta2.h"
#include "winhelpers/Dialogs.h"
#include "winhelpers/Services.h"

namespace {

bool holdsMarkup(const QString &text)
{
    return !text.trimmed().isEmpty() && text.contains(QLatin1Char('<')) &&
        text.contains(QLatin1Char('>'));
}

// A closed preview lingers until its deferred deletion, so only an open one counts.
Tinta2 *openPreview(const QWidget &mainWindow)
{
    for (Tinta2 *preview : mainWindow.findChildren<Tinta2 *>(Qt::FindDirectChildrenOnly)) {
        if (preview->isOpen())
            return preview;
    }
    return nullptr;
}

} // namespace

Tinta2 *ViewHtmlFade(QWidget &mainWindow, const QString &outputText, const Services &services,
                     bool stayOnTop, const PreviewFile &file)
{
    if (const std::optional<BrowserComponent> missing = MissingBrowserComponent()) {
        services.dialogs.messageBox(&mainWindow, MissingBrowserNotice(*missing));
        return nullptr;
    }
    if (!holdsMarkup(outputText)) {
        services.dialogs.messageBox(&mainWindow, NoFadeNotice());
        return nullptr;
    }
    QString error;
    if (!file.writeForView(outputText, &error)) {
        services.dialogs.messageBox(&mainWindow, PreviewNotWrittenNotice(file.path(), error));
        return nullptr;
    }
    if (Tinta2 *preview = openPreview(mainWindow)) {
        preview->bringForward(stayOnTop);
        return preview;
    }
    auto *preview = new Tinta2(services.dialogs, file, &mainWindow);
    preview->Form_Load(stayOnTop);
    return preview;
}
