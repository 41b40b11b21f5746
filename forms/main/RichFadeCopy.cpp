#include "forms/main/RichFadeCopy.h"

using namespace Qt::StringLiterals;

bool RichFadeCopy::takes(OutputFormat format)
{
    return format == OutputFormat::Page || format == OutputFormat::Html ||
        format == OutputFormat::Rtf;
}

void RichFadeCopy::remember(const FadeRequest &request, const FadeResult &fade,
                            const QString &shown)
{
    m_request = request;
    m_colors = fade.letterColors;
    m_shown = shown;
    m_faded = fade.status == FadeResult::Status::Done && takes(request.format);
}

std::unique_ptr<QMimeData> RichFadeCopy::mimeData(const QString &selected,
                                                  const QString &boxText) const
{
    auto data = std::make_unique<QMimeData>();
    data->setText(selected);
    const bool rtf = m_request.format == OutputFormat::Rtf;
    if (!m_faded || selected != m_shown || boxText != m_shown) {
        if (m_request.format == OutputFormat::Page || m_request.format == OutputFormat::Html)
            data->setHtml(selected);
        return data;
    }
    FadeRequest as = m_request;
    as.format = rtf ? OutputFormat::Html : OutputFormat::Rtf;
    const QString other = WriteFadeAs(as, m_colors);
    data->setHtml(rtf ? other : selected);
    // RTF writes everything beyond ASCII as escapes.
    data->setData(u"text/rtf"_s, (rtf ? selected : other).toLatin1());
    return data;
}
