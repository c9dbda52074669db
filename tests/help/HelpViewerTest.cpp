// The help viewer and the help file reader, on the help file that ships with the program.
#include "help/HelpViewer.h"
#include "commands/CHelp.h"
#include "help/ChmFile.h"
#include "help/ViewerHelpService.h"
#include "platform/services/FileNames.h"
#include "platform/services/Help.h"
#include "platform/services/MessageBoxes.h"
#include "platform/services/ProgramFolder.h"
#include "support/FakePlatform.h"
#include "support/SpecialFiles.h"
#include "support/TestRegistry.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTreeWidget>

using namespace swatchly;
using help::ChmFile;
using help::HelpViewer;
using swatchly::test::FakePlatform;

namespace {

const QString ShippedHelp = QStringLiteral(SWATCHLY_SOURCE_DIR "/data/swatchly.chm");

QList<HelpViewer *> openViewers()
{
    QList<HelpViewer *> viewers;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *viewer = qobject_cast<HelpViewer *>(widget))
            viewers.append(viewer);
    }
    return viewers;
}

QStringList itemTexts(const QTreeWidgetItem *parent)
{
    QStringList texts;
    for (int i = 0; i < parent->childCount(); ++i)
        texts.append(parent->child(i)->text(0));
    return texts;
}

QTreeWidgetItem *findItem(QTreeWidget *tree, const QString &text)
{
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

// Clicks the link whose text is linkText on the page shown.
void clickLink(QTextBrowser *page, const QString &linkText)
{
    const QTextCursor found = page->document()->find(linkText);
    QVERIFY2(!found.isNull(), qPrintable(linkText));
    QVERIFY(found.charFormat().isAnchor());
    QTextCursor inside(page->document());
    inside.setPosition(found.selectionStart() + 1);
    page->setTextCursor(inside);
    page->ensureCursorVisible();
    const QRect rect = page->cursorRect(inside);
    const QPoint point(rect.right() + 2, rect.center().y());
    QTest::mouseClick(page->viewport(), Qt::LeftButton, {}, point);
}

} // namespace

class HelpViewerTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qDeleteAll(openViewers()); }

    void chmFileListsAndReadsObjects()
    {
        ChmFile file(ShippedHelp);
        QVERIFY(file.isOpen());

        const QStringList objects = file.objects();
        for (const char *expected :
             { "/overview.htm",     "/chart.htm",    "/usercolors.htm", "/sliders.htm",
               "/typing.htm",       "/names.htm",    "/dialogs.htm",    "/clipboard.htm",
               "/schemes.htm",      "/import.htm",   "/export.htm",     "/delete.htm",
               "/tooltips.htm",     "/menu.htm",     "/feedback.htm",   "/datafiles.htm",
               "/exit.htm",         "/swatchly.css", "/swatchly.hhc",   "/swatchly.hhk",
               "/images/window.png" })
            QVERIFY2(objects.contains(QLatin1String(expected)), expected);
        QVERIFY(!objects.contains(QStringLiteral("/#SYSTEM")));

        const auto page = file.read(QStringLiteral("/overview.htm"));
        QVERIFY(page.has_value());
        QVERIFY(page->contains("<title>Welcome to Swatchly</title>"));
        QCOMPARE(file.read(QStringLiteral("overview.htm")), page);
        QVERIFY(file.contains(QStringLiteral("images/window.png")));
        QVERIFY(QImage::fromData(*file.read(QStringLiteral("/images/window.png"))).width() > 100);
        QVERIFY(!file.read(QStringLiteral("/nothing.htm")).has_value());
        QVERIFY(!file.contains(QStringLiteral("/images/")));
    }

    void chmFileReadsTheProjectSettings()
    {
        ChmFile file(ShippedHelp);
        QCOMPARE(file.title(), QStringLiteral("Swatchly Help"));
        QCOMPARE(file.defaultTopic(), QStringLiteral("overview.htm"));
        QCOMPARE(file.contentsFile(), QStringLiteral("swatchly.hhc"));
        QCOMPARE(file.indexFile(), QStringLiteral("swatchly.hhk"));
        QCOMPARE(file.defaultWindow(), QStringLiteral("swatchwin"));

        const auto window = file.windowType(QStringLiteral("swatchwin"));
        QVERIFY(window.has_value());
        QCOMPARE(window->caption, QStringLiteral("Swatchly Help"));
        QCOMPARE(window->contentsFile, QStringLiteral("swatchly.hhc"));
        QCOMPARE(window->defaultTopic, QStringLiteral("overview.htm"));
        QCOMPARE(window->position.size(), QSize(800, 560));
        QVERIFY(file.windowType(QStringLiteral("SwatchWin")).has_value());
        QVERIFY(!file.windowType(QStringLiteral("otherwin")).has_value());
    }

    void chmFileMapsContextNumbers_data()
    {
        QTest::addColumn<int>("contextId");
        QTest::addColumn<QString>("topic");
        QTest::newRow("overview") << 1000 << "/overview.htm";
        QTest::newRow("sliders") << 1030 << "/sliders.htm";
        QTest::newRow("export") << 1082 << "/export.htm";
        QTest::newRow("exit") << 1130 << "/exit.htm";
        QTest::newRow("unmapped") << 1031 << "";
        QTest::newRow("negative") << -1 << "";
    }

    void chmFileMapsContextNumbers()
    {
        QFETCH(int, contextId);
        QFETCH(QString, topic);
        ChmFile file(ShippedHelp);
        QCOMPARE(file.topicForContext(contextId), topic);
    }

    void chmFileResolvesReferences_data()
    {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("object");
        QTest::newRow("relative") << "chart.htm"
                                  << "/chart.htm";
        QTest::newRow("absolute with anchor") << "/clipboard.htm#viewer"
                                              << "/clipboard.htm";
        QTest::newRow("its link") << "ms-its:C:\\Swatchly\\swatchly.chm::/typing.htm"
                                  << "/typing.htm";
        QTest::newRow("store link") << "mk:@MSITStore:swatchly.chm::/images/window.png"
                                    << "/images/window.png";
        QTest::newRow("backslashes") << "images\\help.png"
                                     << "/images/help.png";
        QTest::newRow("dots") << "./images/../names.htm"
                              << "/names.htm";
        QTest::newRow("other case") << "IMAGES/Window.PNG"
                                    << "/images/window.png";
        QTest::newRow("escaped") << "data%66iles.htm"
                                 << "/datafiles.htm";
        QTest::newRow("compiled from elsewhere") << "/tmp/build/help/menu.htm"
                                                 << "/menu.htm";
        QTest::newRow("missing") << "nothing.htm"
                                 << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("anchor only") << "#top"
                                     << "";
    }

    void chmFileResolvesReferences()
    {
        QFETCH(QString, reference);
        QFETCH(QString, object);
        ChmFile file(ShippedHelp);
        QCOMPARE(file.objectFor(reference), object);
    }

    void chmFileRefusesWhatIsNoHelpFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("text") << QByteArray("This is no help file.\r\n");
        QTest::newRow("bare header") << QByteArray("ITSF\x03\0\0\0", 8);
        QFile shipped(ShippedHelp);
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        QTest::newRow("cut short") << shipped.read(100);
    }

    void chmFileRefusesWhatIsNoHelpFile()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir folder;
        QFile damaged(folder.filePath(QStringLiteral("swatchly.chm")));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(bytes);
        damaged.close();

        ChmFile file(damaged.fileName());
        QVERIFY(!file.isOpen());
        QVERIFY(file.objects().isEmpty());
        QVERIFY(!file.read(QStringLiteral("/overview.htm")).has_value());
        QVERIFY(file.title().isEmpty());
    }

    void sitemapGivesTheTree()
    {
        const QString hhc = QStringLiteral(R"(<HTML><BODY>
<OBJECT type="text/site properties"><param name="Name" value="not an entry"></OBJECT>
<UL>
  <LI><OBJECT type="text/sitemap"><param name="Name" value="First &amp; foremost">
      <param name="Local" value="first.htm"></OBJECT>
  <LI><object TYPE='text/sitemap'><PARAM NAME=Name VALUE=Book></object>
  <UL>
    <LI><OBJECT type="text/sitemap"><param name="Name" value="Inner"><param name="Local" value="dir/inner.htm#part"><param name="Local" value="second.htm"></OBJECT>
    <UL><LI><OBJECT type="text/sitemap"><param name="Name" value="Deepest"><param name="Local" value="deep.htm"></OBJECT></UL>
  </UL>
  <LI><OBJECT type="text/sitemap"><param name="Local" value="last.htm"><param name="Name" value="Last"></OBJECT>
</UL>
</BODY></HTML>)");
        const auto tree = ChmFile::parseSitemap(hhc);
        QCOMPARE(tree.size(), 3);
        QCOMPARE(tree[0].name, QStringLiteral("First & foremost"));
        QCOMPARE(tree[0].local, QStringLiteral("first.htm"));
        QVERIFY(tree[0].children.isEmpty());
        QCOMPARE(tree[1].name, QStringLiteral("Book"));
        QVERIFY(tree[1].local.isEmpty());
        QCOMPARE(tree[1].children.size(), 1);
        QCOMPARE(tree[1].children[0].name, QStringLiteral("Inner"));
        QCOMPARE(tree[1].children[0].local, QStringLiteral("dir/inner.htm#part"));
        QCOMPARE(tree[1].children[0].children.size(), 1);
        QCOMPARE(tree[1].children[0].children[0].name, QStringLiteral("Deepest"));
        QCOMPARE(tree[2].name, QStringLiteral("Last"));
        QCOMPARE(tree[2].local, QStringLiteral("last.htm"));
    }

    void viewerShowsTheDefaultTopicAndTheContents()
    {
        FakePlatform fake;
        help::ViewerHelpService viewerHelp(fake, fake);
        viewerHelp.htmlHelp({ ShippedHelp, QStringLiteral("swatchwin") },
                            platform::HH_DISPLAY_TOPIC, 0);

        HelpViewer *viewer = HelpViewer::viewerFor(ShippedHelp);
        QVERIFY(viewer);
        QCOMPARE(openViewers().size(), 1);
        QVERIFY(viewer->isVisible());
        QVERIFY(viewer->isWindow());
        QVERIFY(!viewer->parentWidget());
        QVERIFY(!viewer->isModal());
        QVERIFY(!viewer->testAttribute(Qt::WA_QuitOnClose));
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Swatchly Help"));

        QCOMPARE(viewer->currentTopic(), QStringLiteral("/overview.htm"));
        const QString text = viewer->page()->toPlainText();
        QVERIFY(text.contains(QStringLiteral("Welcome to Swatchly")));
        QVERIFY(text.contains(QStringLiteral("Swatchly is a small colour picker.")));
        QVERIFY(text.contains(QStringLiteral("More  Colors...")));
        QCOMPARE(viewer->page()->documentTitle(), QStringLiteral("Welcome to Swatchly"));

        QTreeWidget *tree = viewer->contentsTree();
        QCOMPARE(itemTexts(tree->invisibleRootItem()),
                 QStringList({ "Welcome to Swatchly", "Choosing colours",
                               "What goes on the clipboard", "Colour scheme files", "Tool tips",
                               "The menu and the toolbar", "Sending feedback",
                               "Data files and where they live", "Leaving Swatchly" }));
        QCOMPARE(itemTexts(findItem(tree, QStringLiteral("Colour scheme files"))),
                 QStringList({ "Importing a colour scheme", "Exporting a colour scheme",
                               "Deleting a colour scheme" }));
        QCOMPARE(itemTexts(findItem(tree, QStringLiteral("Choosing colours"))).size(), 6);
        QCOMPARE(tree->currentItem(), findItem(tree, QStringLiteral("Welcome to Swatchly")));
        QVERIFY(viewer->indexList()->count() > 20);
    }

    void pagesShowTheirPicturesAndStyle()
    {
        FakePlatform fake;
        HelpViewer *viewer = HelpViewer::display(fake, ShippedHelp, platform::HH_DISPLAY_TOPIC, 0);
        QVERIFY(viewer);
        QTextBrowser *page = viewer->page();

        const QVariant picture =
            page->loadResource(QTextDocument::ImageResource, QUrl("images/window.png"));
        QCOMPARE(qvariant_cast<QImage>(picture).size(), QSize(472, 497));
        const QVariant style =
            page->loadResource(QTextDocument::StyleSheetResource, QUrl("swatchly.css"));
        QVERIFY(style.toString().contains(QStringLiteral(".caption")));
        QVERIFY(page->loadResource(QTextDocument::ImageResource, QUrl("images/none.png")).isNull());

        // The picture is laid out at its own size, so it was found while the page was read.
        page->document()->setTextWidth(800);
        QVERIFY(page->document()->documentLayout()->documentSize().height() > 497);
    }

    void highDpiScreensGetDoubleSizePictures_data()
    {
        QTest::addColumn<QString>("object");
        QTest::addColumn<QSize>("size");
        QTest::newRow("the window") << QStringLiteral("images/window.png") << QSize(472, 497);
        QTest::newRow("the program icon")
            << QStringLiteral("/images/swatchly.png") << QSize(32, 32);
        QTest::newRow("a toolbar picture") << QStringLiteral("images/export.png") << QSize(16, 16);
    }

    void highDpiScreensGetDoubleSizePictures()
    {
        FakePlatform fake;
        QFETCH(QString, object);
        QFETCH(QSize, size);
        HelpViewer *viewer = HelpViewer::display(fake, ShippedHelp, platform::HH_DISPLAY_TOPIC, 0);
        QVERIFY(viewer);

        const QImage plain = viewer->picture(object, 1.0);
        QCOMPARE(plain.size(), size);
        QCOMPARE(plain.devicePixelRatio(), 1.0);

        // Twice the pixels in the same room.
        for (qreal ratio : { 2.0, 1.5 }) {
            const QImage sharp = viewer->picture(object, ratio);
            QCOMPARE(sharp.size(), size * 2);
            QCOMPARE(sharp.devicePixelRatio(), 2.0);
            QCOMPARE(sharp.deviceIndependentSize(), QSizeF(size));
        }

        QVERIFY(viewer->picture(QStringLiteral("images/none.png"), 2.0).isNull());
        QVERIFY(viewer->picture(QStringLiteral("overview.htm"), 2.0).isNull());
    }

    void contextNumberShowsItsTopic_data()
    {
        QTest::addColumn<int>("contextId");
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("heading");
        QTest::newRow("sliders") << 1030 << "/sliders.htm"
                                 << "Mixing a colour with the sliders";
        QTest::newRow("tool tips") << 1090 << "/tooltips.htm"
                                   << "Tool tips";
        QTest::newRow("unmapped gives the default topic") << 4242 << "/overview.htm"
                                                          << "Welcome to Swatchly";
    }

    void contextNumberShowsItsTopic()
    {
        QFETCH(int, contextId);
        QFETCH(QString, topic);
        QFETCH(QString, heading);

        FakePlatform fake;
        help::ViewerHelpService viewerHelp(fake, fake);
        viewerHelp.htmlHelp({ ShippedHelp, QStringLiteral("swatchwin") }, platform::HH_HELP_CONTEXT,
                            contextId);

        HelpViewer *viewer = HelpViewer::viewerFor(ShippedHelp);
        QVERIFY(viewer);
        QCOMPARE(viewer->currentTopic(), topic);
        QCOMPARE(viewer->page()->documentTitle(), heading);
    }

    void clickingLinksLoadsOtherPages()
    {
        FakePlatform fake;
        HelpViewer *viewer = HelpViewer::display(fake, ShippedHelp, platform::HH_DISPLAY_TOPIC, 0);
        QVERIFY(viewer);
        QVERIFY(QTest::qWaitForWindowExposed(viewer));
        QTextBrowser *page = viewer->page();

        clickLink(page, QStringLiteral("colour chart"));
        QCOMPARE(viewer->currentTopic(), QStringLiteral("/chart.htm"));
        QVERIFY(page->toPlainText().startsWith(
            QStringLiteral("The colour chart and the current colour")));
        QCOMPARE(viewer->contentsTree()->currentItem()->text(0),
                 QStringLiteral("The colour chart and the current colour"));

        // A link to a place inside another page.
        clickLink(page, QStringLiteral("look at the clipboard"));
        QCOMPARE(viewer->currentTopic(), QStringLiteral("/clipboard.htm"));
        QCOMPARE(page->source().fragment(), QStringLiteral("viewer"));
        QVERIFY(page->verticalScrollBar()->value() > 0);

        page->backward();
        QCOMPARE(viewer->currentTopic(), QStringLiteral("/chart.htm"));
        page->backward();
        QCOMPARE(viewer->currentTopic(), QStringLiteral("/overview.htm"));
    }

    void choosingInTheContentsShowsTheTopic()
    {
        FakePlatform fake;
        HelpViewer *viewer = HelpViewer::display(fake, ShippedHelp, platform::HH_DISPLAY_TOPIC, 0);
        QVERIFY(viewer);
        QVERIFY(QTest::qWaitForWindowExposed(viewer));
        QTreeWidget *tree = viewer->contentsTree();

        QTreeWidgetItem *item = findItem(tree, QStringLiteral("Deleting a colour scheme"));
        QVERIFY(item);
        tree->scrollToItem(item);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(item).center());
        QCOMPARE(viewer->currentTopic(), QStringLiteral("/delete.htm"));
        QVERIFY(viewer->page()->toPlainText().contains(
            QStringLiteral("You may only Export (Change) this File.")));

        // A heading without a page of its own only opens and closes.
        QTreeWidgetItem *book = findItem(tree, QStringLiteral("Choosing colours"));
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(book).center());
        QCOMPARE(viewer->currentTopic(), QStringLiteral("/delete.htm"));
    }

    // An index entry may point at a place inside a page; the page opens there, not at its top.
    void indexEntryOpensThePageAtItsAnchor_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("anchor");
        QTest::newRow("Clipboard viewer") << "Clipboard viewer"
                                          << "/clipboard.htm"
                                          << "viewer";
        QTest::newRow("File format, scheme files") << "File format, scheme files"
                                                   << "/datafiles.htm"
                                                   << "schemes";
    }

    void indexEntryOpensThePageAtItsAnchor()
    {
        FakePlatform fake;
        QFETCH(QString, entry);
        QFETCH(QString, topic);
        QFETCH(QString, anchor);
        HelpViewer *viewer = HelpViewer::display(fake, ShippedHelp, platform::HH_DISPLAY_TOPIC, 0);
        QVERIFY(viewer);
        QVERIFY(QTest::qWaitForWindowExposed(viewer));
        viewer->findChild<QTabWidget *>()->setCurrentIndex(1);
        auto *index = viewer->findChild<QListWidget *>(QStringLiteral("helpIndex"));
        QVERIFY(index);
        const auto found = index->findItems(entry, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        index->scrollToItem(found.first());
        QTest::mouseClick(index->viewport(), Qt::LeftButton, {},
                          index->visualItemRect(found.first()).center());

        QTextBrowser *page = viewer->page();
        QCOMPARE(viewer->currentTopic(), topic);
        QCOMPARE(page->source().fragment(), anchor);
        // The anchor's line is the first one shown.
        qreal top = -1;
        for (QTextBlock block = page->document()->begin(); block.isValid() && top < 0;
             block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                if (it.fragment().charFormat().anchorNames().contains(anchor)) {
                    top = page->document()->documentLayout()->blockBoundingRect(block).top();
                    break;
                }
            }
        }
        QVERIFY2(top > 0, "the anchor lies below the page's top");
        QScrollBar *scroll = page->verticalScrollBar();
        const int expected = std::min(qRound(top), scroll->maximum());
        QTRY_VERIFY2(
            std::abs(scroll->value() - expected) <= 2,
            qPrintable(QStringLiteral("at %1, not %2").arg(scroll->value()).arg(expected)));
    }

    void helpCommandReusesItsWindow()
    {
        FakePlatform fake;
        QVERIFY(QFile::copy(ShippedHelp, fake.path(QStringLiteral("swatchly.chm"))));
        help::ViewerHelpService viewerHelp(fake, fake);
        const QString file = fake.services.programFilePath(QStringLiteral("swatchly.chm"));

        CHelp(viewerHelp).Show(file, QStringLiteral("swatchwin"));
        HelpViewer *first = HelpViewer::viewerFor(file);
        QVERIFY(first);
        QVERIFY(first->showTopic(QStringLiteral("names.htm")));
        first->hide();

        CHelp(viewerHelp).Show(file, QStringLiteral("swatchwin"));
        QCOMPARE(HelpViewer::viewerFor(file), first);
        QCOMPARE(openViewers().size(), 1);
        QVERIFY(first->isVisible());
        QCOMPARE(first->currentTopic(), QStringLiteral("/overview.htm"));
        QVERIFY(fake.shown.isEmpty());
    }

    void missingOrUnreadableFileSaysWhy_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("kind"); // of special entry, for test::placeSpecialFile
        QTest::addColumn<QString>("why");
        QTest::newRow("missing") << QByteArray() << QString()
                                 << QStringLiteral("The file does not exist.");
        QTest::newRow("not a help file")
            << QByteArray("plain text") << QString()
            << QStringLiteral("The file is not a compiled HTML help file.");
        QTest::newRow("a folder") << QByteArray() << QStringLiteral("folder")
                                  << QStringLiteral("It is a folder, not a file.");
        QTest::newRow("a FIFO") << QByteArray() << QStringLiteral("FIFO")
                                << QStringLiteral("It is a named pipe (FIFO), not a file.");
        QTest::newRow("a link to a device") << QByteArray() << QStringLiteral("/dev/zero")
                                            << QStringLiteral("It is a device, not a file.");
        QTest::newRow("a dangling link") << QByteArray() << QStringLiteral("dangling link")
                                         << QStringLiteral("The file does not exist.");
    }

    void missingOrUnreadableFileSaysWhy()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, kind);
        QFETCH(QString, why);
        FakePlatform fake;
        const QString fileName = QStringLiteral("swatchly.chm");
        if (!kind.isEmpty())
            QVERIFY(test::placeSpecialFile(platform::pathBytes(fake.path(fileName)), kind));
        else if (!bytes.isEmpty())
            fake.writeFile(fileName, bytes);
        help::ViewerHelpService viewerHelp(fake, fake);

        const QString file = fake.services.programFilePath(fileName);
        CHelp(viewerHelp).Show(file, QStringLiteral("swatchwin"));
        CHelp(viewerHelp).Show(file, QString(), 1000);

        QVERIFY(openViewers().isEmpty());
        const QString message = QStringLiteral("The help file could not be opened:\n") +
            QDir::toNativeSeparators(file) + QStringLiteral("\n\n") + why;
        QCOMPARE(fake.shown.size(), 2);
        for (const auto &box : std::as_const(fake.shown)) {
            QCOMPARE(box.prompt, message);
            QCOMPARE(box.icon, platform::Icon::Exclamation);
            QCOMPARE(box.buttons, platform::Buttons::OK);
        }
    }

    void blanksAroundTheFileAreForgiven()
    {
        FakePlatform fake;
        HelpViewer *viewer =
            HelpViewer::display(fake, QStringLiteral("  ") + ShippedHelp + QStringLiteral(" "),
                                platform::HH_DISPLAY_TOPIC, 0);
        QVERIFY(viewer);
        QCOMPARE(viewer->currentTopic(), QStringLiteral("/overview.htm"));
    }

    void undefinedWindowStillShowsTheFile()
    {
        FakePlatform fake;
        HelpViewer *viewer = HelpViewer::display(fake, { ShippedHelp, QStringLiteral("nosuchwin") },
                                                 platform::HH_DISPLAY_TOPIC, 0);
        QVERIFY(viewer);
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Swatchly Help"));
        QCOMPARE(viewer->currentTopic(), QStringLiteral("/overview.htm"));
    }

    void topicInTheTargetIsShown()
    {
        FakePlatform fake;
        HelpViewer *viewer = HelpViewer::display(
            fake, { ShippedHelp + QStringLiteral("::/feedback.htm"), QStringLiteral("swatchwin") },
            platform::HH_DISPLAY_TOPIC, 0);
        QVERIFY(viewer);
        QCOMPARE(viewer->currentTopic(), QStringLiteral("/feedback.htm"));
    }

    void outsideLinksGoToTheDesktop()
    {
        FakePlatform fake;
        HelpViewer *viewer = HelpViewer::display(fake, ShippedHelp, platform::HH_DISPLAY_TOPIC, 0);
        QVERIFY(viewer);

        emit viewer->page()->anchorClicked(QUrl(QStringLiteral("mailto:someone@example.org")));

        QCOMPARE(fake.openedUrls, QList<QUrl>({ QUrl("mailto:someone@example.org") }));
        QCOMPARE(viewer->currentTopic(), QStringLiteral("/overview.htm"));
    }
};

SWATCHLY_TEST(HelpViewerTest)
#include "HelpViewerTest.moc"
