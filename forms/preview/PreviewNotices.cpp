#include "forms/preview/PreviewNotices.h"

Notice NoFadeNotice()
{
    return {QStringLiteral("There is no fade 2 view"), NoticeIcon::Question,
            QStringLiteral("DUV or QY")};
}

Notice PreviewNotWrittenNotice(const QString &path, const QString &reason)
{
    return {QStringLiteral("Tintra couldn't write the preview file \"") + path +
                QStringLiteral("\": ") + reason,
            NoticeIcon::Critical, QStringLiteral("Error")};
}
