#include "host/qt/page/page_background.h"

#include <QTextDocument>
#include <QTextFrame>

namespace norvel::host::qt {
namespace {

// A page of nothing but the body tag, noting the local files Qt reads for it.
class BodyProbe : public QTextDocument {
  public:
    QStringList filesRead;

  protected:
    QVariant loadResource(int type, const QUrl& name) override {
        const QUrl file = baseUrl().resolved(name);
        if (file.isLocalFile())
            filesRead << file.toLocalFile();
        return QTextDocument::loadResource(type, name);
    }
};

}  // namespace

PageBackground pageBackground(const QString& bodyTag, const QString& styleSheet,
                              const QUrl& baseUrl) {
    BodyProbe probe;
    probe.setBaseUrl(baseUrl);
    probe.setDefaultStyleSheet(styleSheet);
    probe.setHtml((bodyTag.isEmpty() ? QStringLiteral("<body>") : bodyTag) +
                  QStringLiteral("</body>"));
    const QTextFrameFormat read = probe.rootFrame()->frameFormat();
    PageBackground background;
    if (read.hasProperty(QTextFormat::BackgroundBrush))
        background.format.setBackground(read.background());
    background.filesRead = probe.filesRead;
    return background;
}

}  // namespace norvel::host::qt
