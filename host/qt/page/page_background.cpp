#include "host/qt/page/page_background.h"

#include <QTextDocument>
#include <QTextFrame>

#include "host/markup/html_characters.h"
#include "host/qt/page/page_text.h"

namespace norvel::host::qt {
namespace {

// Where the written <body ...> tag that ends at `tagEnd` starts; npos when none is found.
size_t bodyTagStart(std::string_view html, size_t tagEnd) {
    constexpr std::string_view kBody = "body";
    for (size_t at = tagEnd; at-- > 0;) {
        if (html[at] != '<' || tagEnd - at < kBody.size() + 1)
            continue;
        bool body = true;
        for (size_t i = 0; i < kBody.size() && body; ++i)
            body = asciiLower(html[at + 1 + i]) == kBody[i];
        const char after = html[at + 1 + kBody.size()];
        if (body && (isHtmlSpace(after) || after == '>' || after == '/'))
            return at;
    }
    return std::string_view::npos;
}

}  // namespace

QTextFrameFormat pageBackground(std::string_view html, const PageSkeleton& skeleton,
                                const QString& styleSheet, const QUrl& baseUrl) {
    QString bodyTag = QStringLiteral("<body>");
    if (skeleton.bodyWritten) {
        size_t start = bodyTagStart(html, skeleton.bodyInnerBegin);
        if (start != std::string_view::npos)
            bodyTag = PageText(html.substr(start, skeleton.bodyInnerBegin - start)).text();
    }
    QTextDocument probe;
    probe.setBaseUrl(baseUrl);
    probe.setDefaultStyleSheet(styleSheet);
    probe.setHtml(bodyTag + QStringLiteral("</body>"));
    const QTextFrameFormat read = probe.rootFrame()->frameFormat();
    QTextFrameFormat background;
    if (read.hasProperty(QTextFormat::BackgroundBrush))
        background.setBackground(read.background());
    return background;
}

}  // namespace norvel::host::qt
