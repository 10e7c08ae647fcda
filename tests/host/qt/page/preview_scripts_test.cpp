// The Preview is a browser: the suite's scripts run in it (the date is written, a section
// opens on a click), and "Preview in Browser" hands the page to the desktop without writing
// anything new into the web.
#include <QDate>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QWebEngineView>

#include <fstream>
#include <iterator>

#include "common/error.h"
#include "host/qt/page/browser_opener.h"
#include "tests/host/qt/page/page_view_fixture.h"

namespace norvel::host::qt {
namespace {

using QtPagePreview = PageViewFixture;

std::string templateFile(const std::string& relative) {
    std::ifstream in(std::string(NORVEL_TEMPLATES) + "/" + relative, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// A page with the current date and one show/hide section, their functions in the web's
// script folder as the script collection writes them.
std::string scriptedPage() {
    std::string section = templateFile("scripts/showhide_nv/body.js");
    section = replaced(section, "<*id string*>", "more");
    section = replaced(section, "<*id number*>", "1");
    section = replaced(section, "<*link*>", "More about us");
    return "<html lang=\"en\">\r\n<head>\r\n<title>t</title>\r\n"
           "<script src=\"scripts_nv/date_nv.js\"></script>\r\n"
           "<script src=\"scripts_nv/showhide_nv.js\"></script>\r\n</head>\r\n<body>\r\n"
           "<p id=\"today\"><script>" +
           templateFile("scripts/date_nv/body.js") + "</script></p>\r\n" + section +
           "\r\n</body>\r\n</html>\r\n";
}

TEST_F(QtPagePreview, RunsThePagesScripts) {
    writePage("scripts_nv/date_nv.js", templateFile("scripts/date_nv/date_nv.js"));
    writePage("scripts_nv/showhide_nv.js", templateFile("scripts/showhide_nv/showhide_nv.js"));
    auto window = openPage("index.htm", scriptedPage(), common::editor::kViewPreview);
    auto view = showWindow(window);
    ASSERT_TRUE(waitForPreview(*view));
    PreviewView& preview = *view->previewView();

    // The date script wrote today's date where it stands.
    const QDate today = QDate::currentDate();
    const QString date =
        inPreview(preview, "document.getElementById('today').textContent").toString();
    EXPECT_TRUE(date.contains(QString::number(today.year()))) << date.toStdString();
    EXPECT_TRUE(date.contains(QLocale(QLocale::English).monthName(today.month())))
        << date.toStdString();
    EXPECT_TRUE(date.contains(QString::number(today.day()))) << date.toStdString();

    // The section starts closed; a click on its button opens it.
    const QString shown = "getComputedStyle(document.getElementById('more_body')).display";
    EXPECT_EQ(inPreview(preview, shown).toString(), "none");
    const QJsonObject box =
        QJsonDocument::fromJson(inPreview(preview,
                                          "JSON.stringify(document.getElementById('more_button')"
                                          ".getBoundingClientRect())")
                                    .toString()
                                    .toUtf8())
            .object();
    ASSERT_GT(box["width"].toDouble(), 0);
    const QPoint centre(static_cast<int>(box["x"].toDouble() + box["width"].toDouble() / 2),
                        static_cast<int>(box["y"].toDouble() + box["height"].toDouble() / 2));
    QWidget* input = preview.focusProxy() != nullptr ? preview.focusProxy() : &preview;
    QTest::mouseClick(input, Qt::LeftButton, {}, centre);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return inPreview(preview, shown).toString() != "none"; }, 10000));
    EXPECT_EQ(inPreview(preview,
                        "document.getElementById('more_button')"
                        ".getAttribute('aria-expanded')")
                  .toString(),
              "true");
}

// A page changed since it was saved is previewed as it stands, read from the page's folder.
TEST_F(QtPagePreview, ShowsUnsavedChangesWithThePagesPictures) {
    auto window = openPage("sub/index.htm", htmlPage("<p>Saved</p>"));
    auto view = showWindow(window);
    window->GetDocument()->setBodyInnerHTML(
        "<p>Unsaved &amp; new</p><img id=\"pic\" src=\"dot.svg\">");
    writePage("sub/dot.svg",
              "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"7\" height=\"5\"></svg>");
    view->setViewMode(common::editor::kViewPreview);
    EXPECT_TRUE(previewText(*view).contains("Unsaved & new"));
    EXPECT_EQ(
        inPreview(*view->previewView(), "document.getElementById('pic').naturalWidth").toInt(), 7);
    EXPECT_EQ(QDir(QString::fromStdString(webFile("sub").string())).entryList(QDir::Files),
              (QStringList{"dot.svg", "index.htm"}))
        << "nothing written beside the page";
}

TEST(QtPagePreviewBase, GoesFirstInTheHeadAndNeverBeforeTheDoctype) {
    const std::string base = "<base href=\"file:///w/\">";
    EXPECT_EQ(pageWithBase("<html><head><title>t</title></head></html>", "file:///w/"),
              "<html><head>" + base + "<title>t</title></head></html>");
    EXPECT_EQ(pageWithBase("<!DOCTYPE html>\r\n<p>x", "file:///w/"),
              "<!DOCTYPE html>" + base + "\r\n<p>x");
    EXPECT_EQ(pageWithBase("<HTML lang=en><HEADER>h</HEADER>", "file:///w/"),
              "<HTML lang=en>" + base + "<HEADER>h</HEADER>");
    EXPECT_EQ(pageWithBase("plain", "file:///a\"b/"), "<base href=\"file:///a%22b/\">plain");
}

class QtPagePreviewInBrowser : public PageViewFixture {
  protected:
    QtPagePreviewInBrowser() {
        BrowserOpener::setUrlOpener([this](const QUrl& url) {
            opened.push_back(url);
            return browserStarts;
        });
    }
    ~QtPagePreviewInBrowser() override { BrowserOpener::setUrlOpener(nullptr); }

    std::vector<QUrl> opened;
    bool browserStarts = true;
};

TEST_F(QtPagePreviewInBrowser, OpensTheSavedFileOrACopyOutsideTheWeb) {
    auto window = openPage("index.htm", htmlPage("<p>Saved</p>"));
    auto view = showWindow(window);
    view->previewInBrowser();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0],
              QUrl::fromLocalFile(QString::fromStdString(webFile("index.htm").string())));

    window->GetDocument()->setBodyInnerHTML("<p>Changed</p>");
    view->previewInBrowser();
    ASSERT_EQ(opened.size(), 2u);
    ASSERT_TRUE(opened[1].isLocalFile());
    const QString copy = opened[1].toLocalFile();
    EXPECT_FALSE(copy.startsWith(QString::fromStdString(web.path().string())));
    QFile file(copy);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("<p>Changed</p>"));
    EXPECT_TRUE(bytes.contains(
        "<base href=\"" +
        QUrl::fromLocalFile(QString::fromStdString(web.path().string()) + "/").toEncoded() +
        "\">"));
    EXPECT_EQ(readPage("index.htm"), htmlPage("<p>Saved</p>")) << "the page is not saved";
    EXPECT_EQ(QDir(QString::fromStdString(web.path().string())).entryList(QDir::Files),
              QStringList{"index.htm"});

    browserStarts = false;
    try {
        view->previewInBrowser();
        ADD_FAILURE() << "a browser that did not start was not told";
    } catch (const common::Error& error) {
        EXPECT_NE(error.description().find("No browser could be started"), std::string::npos);
    }
}

}  // namespace
}  // namespace norvel::host::qt
