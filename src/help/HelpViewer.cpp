#include "help/HelpViewer.h"

#include "help/ChmFile.h"
#include "help/HelpPage.h"
#include "help/HelpTopics.h"
#include "platform/services/FileNames.h"
#include "platform/services/Files.h"
#include "platform/services/Help.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace swatchly::help {

using platform::HH_DISPLAY_TOPIC;
using platform::HH_HELP_CONTEXT;

namespace {

constexpr QSize DefaultViewerSize(760, 540);

// The viewers are windows of their own, deleted when closed; the program's list of windows is
// the one list of them.
QList<HelpViewer *> openViewers()
{
    QList<HelpViewer *> viewers;
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (auto *viewer = qobject_cast<HelpViewer *>(window))
            viewers.append(viewer);
    }
    return viewers;
}

HelpViewer *openViewer(const QString &canonicalPath)
{
    const auto viewers = openViewers();
    for (HelpViewer *viewer : viewers) {
        if (viewer->fileName() == canonicalPath)
            return viewer;
    }
    return nullptr;
}

struct Target
{
    QString file;
    QString topic;
    QString window;
};

// The file is "file" or "file::/topic.htm". A file whose own name holds "::" is taken whole.
Target parseTarget(const platform::HelpTarget &target)
{
    Target parsed { target.file, {}, target.window };
    if (QFileInfo(parsed.file).isFile())
        return parsed;
    const qsizetype topic = parsed.file.indexOf(QLatin1String("::"));
    if (topic >= 0) {
        parsed.topic = parsed.file.mid(topic + 2);
        parsed.file.truncate(topic);
    }
    // The desktop's help viewer forgives blanks around the file's name; so does this one.
    if (!QFileInfo(parsed.file).isFile() && QFileInfo(parsed.file.trimmed()).isFile())
        parsed.file = parsed.file.trimmed();
    return parsed;
}

} // namespace

HelpViewer *HelpViewer::viewerFor(const QString &file)
{
    const QString key = QFileInfo(file).canonicalFilePath();
    if (key.isEmpty())
        return nullptr;
    return openViewer(key);
}

HelpViewer *HelpViewer::display(platform::Launcher &launcher, const platform::HelpTarget &target,
                                int command, int data, QString *failure)
{
    if (command != HH_DISPLAY_TOPIC && command != HH_HELP_CONTEXT)
        return nullptr;
    const Target parsed = parseTarget(target);
    const auto fail = [&](const QString &why) -> HelpViewer * {
        if (failure)
            //: %1 is the help file's path, %2 why it could not be opened.
            *failure = tr("The help file could not be opened:\n%1\n\n%2")
                           .arg(QDir::toNativeSeparators(parsed.file), why);
        return nullptr;
    };
    struct stat status
    {
    };
    if (::stat(platform::pathBytes(parsed.file).c_str(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return fail(tr("The file does not exist."));
        return fail(
            tr("The file cannot be read: %1.")
                .arg(QString::fromStdString(platform::fileErrorFromErrno(errno).description)));
    }
    if (S_ISDIR(status.st_mode))
        return fail(tr("It is a folder, not a file."));
    if (S_ISFIFO(status.st_mode))
        return fail(tr("It is a named pipe (FIFO), not a file."));
    if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))
        return fail(tr("It is a device, not a file."));
    if (!S_ISREG(status.st_mode))
        return fail(tr("It is a socket or another special entry, not a file."));
    const QString key = QFileInfo(parsed.file).canonicalFilePath();

    HelpViewer *viewer = openViewer(key);
    if (!viewer) {
        const auto probe =
            platform::openRegularFile(platform::pathBytes(key), platform::Links::Follow);
        if (!probe)
            return fail(tr("The file cannot be read: %1.")
                            .arg(QString::fromStdString(probe.error().description)));
        ::close(*probe);
        const QString notHelp = tr("The file is not a compiled HTML help file.");
        auto file = std::make_unique<ChmFile>(key);
        if (!file->isOpen())
            return fail(notHelp);
        viewer = new HelpViewer(launcher, std::move(file), parsed.window);
        if (viewer->defaultTopic().isEmpty()) {
            delete viewer;
            return fail(notHelp);
        }
        static const bool closesWithTheProgram = [] {
            // The viewers have no owner; they go when the program ends.
            QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp,
                             [] { qDeleteAll(openViewers()); });
            return true;
        }();
        Q_UNUSED(closesWithTheProgram);
    }

    QString topic;
    if (!parsed.topic.isEmpty())
        topic = viewer->m_file->objectFor(parsed.topic);
    else if (command == HH_HELP_CONTEXT)
        topic = viewer->m_file->topicForContext(data);
    if (topic.isEmpty() || !viewer->showTopic(topic))
        viewer->showTopic(viewer->defaultTopic());

    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return viewer;
}

HelpViewer::HelpViewer(platform::Launcher &launcher, std::unique_ptr<ChmFile> file,
                       const QString &windowName)
    : QWidget(nullptr, Qt::Window)
    , m_launcher(launcher)
    , m_file(std::move(file))
    , m_windowName(windowName)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Help is read beside the program; closing the program's last window still ends it.
    setAttribute(Qt::WA_QuitOnClose, false);

    QString caption;
    QSize size = DefaultViewerSize;
    if (const auto window = m_file->windowType(windowName)) {
        caption = window->caption;
        m_contentsFile = window->contentsFile;
        m_indexFile = window->indexFile;
        m_windowDefaultTopic = window->defaultTopic;
        m_homeTopic = window->homeTopic;
        if (!window->position.isEmpty())
            size = window->position.size();
    }
    if (caption.isEmpty())
        caption = m_file->title();
    if (caption.isEmpty())
        caption = windowName;
    if (caption.isEmpty())
        caption = QFileInfo(m_file->path()).completeBaseName();
    setWindowTitle(caption);
    if (qApp)
        setWindowIcon(QApplication::windowIcon());

    auto *toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("helpToolBar"));
    toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    QAction *back = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Back"));
    QAction *forward =
        toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"));
    QAction *home = toolBar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("Home"));
    back->setShortcut(QKeySequence::Back);
    forward->setShortcut(QKeySequence::Forward);
    back->setEnabled(false);
    forward->setEnabled(false);

    m_contents = new QTreeWidget(this);
    m_contents->setObjectName(QStringLiteral("helpContents"));
    m_contents->setHeaderHidden(true);

    auto *indexPane = new QWidget(this);
    m_indexFilter = new QLineEdit(indexPane);
    m_indexFilter->setObjectName(QStringLiteral("helpIndexKeyword"));
    m_indexFilter->setPlaceholderText(tr("Type in the keyword to find"));
    m_index = new QListWidget(indexPane);
    m_index->setObjectName(QStringLiteral("helpIndex"));
    auto *indexLayout = new QVBoxLayout(indexPane);
    indexLayout->setContentsMargins(0, 0, 0, 0);
    indexLayout->addWidget(m_indexFilter);
    indexLayout->addWidget(m_index);

    m_tabs = new QTabWidget(this);
    m_tabs->addTab(m_contents, tr("Contents"));
    m_tabs->addTab(indexPane, tr("Index"));

    m_page = new HelpPage(*m_file, *this, this);
    m_page->setObjectName(QStringLiteral("helpPage"));
    m_page->setOpenLinks(false);

    auto *splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_page);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({ size.width() / 3, size.width() * 2 / 3 });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(splitter);
    resize(size);

    toolBar->setAccessibleName(tr("Help toolbar"));
    m_tabs->setAccessibleName(tr("Contents and Index"));
    m_contents->setAccessibleName(tr("Contents"));
    m_indexFilter->setAccessibleName(tr("Keyword"));
    m_indexFilter->setAccessibleDescription(m_indexFilter->placeholderText());
    m_index->setAccessibleName(tr("Index"));
    m_page->setAccessibleName(tr("Help topic"));
    splitter->setAccessibleName(tr("Help"));
    indexPane->setAccessibleName(tr("Index"));
    QWidget::setTabOrder(m_contents, m_indexFilter);
    QWidget::setTabOrder(m_indexFilter, m_index);
    QWidget::setTabOrder(m_index, m_page);

    fillContents();
    fillIndex();
    if (m_index->count() == 0)
        m_tabs->setTabVisible(1, false);

    connect(back, &QAction::triggered, m_page, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, m_page, &QTextBrowser::forward);
    connect(home, &QAction::triggered, this, &HelpViewer::showHome);
    connect(m_page, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_page, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(m_page, &QTextBrowser::anchorClicked, this, &HelpViewer::followLink);
    connect(m_page, &QTextBrowser::sourceChanged, this, &HelpViewer::selectContentsEntry);
    // A screen reader says which topic the page holds.
    connect(m_page, &QTextBrowser::sourceChanged, this,
            [this] { m_page->setAccessibleDescription(m_page->documentTitle()); });
    connect(m_contents, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *item) {
        if (!m_syncingContents && item && !item->data(0, TopicRole).toString().isEmpty())
            showTopic(item->data(0, TopicRole).toString());
    });
    connect(m_index, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { showTopic(item->data(TopicRole).toString()); });
    connect(m_index, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { showTopic(item->data(TopicRole).toString()); });
    connect(m_indexFilter, &QLineEdit::textEdited, this, &HelpViewer::showFirstIndexMatch);
    connect(m_indexFilter, &QLineEdit::returnPressed, this, [this] {
        if (QListWidgetItem *item = m_index->currentItem())
            showTopic(item->data(TopicRole).toString());
    });
}

HelpViewer::~HelpViewer()
{
    // The page reads from the file while it goes.
    delete m_page;
    m_page = nullptr;
}

QString HelpViewer::fileName() const
{
    return m_file->path();
}

QTextBrowser *HelpViewer::page() const
{
    return m_page;
}

QString HelpViewer::currentTopic() const
{
    return m_page->source().path();
}

QString HelpViewer::defaultTopic() const
{
    for (const QString &candidate : { m_windowDefaultTopic, m_file->defaultTopic() }) {
        QString object = m_file->objectFor(candidate);
        if (!object.isEmpty())
            return object;
    }
    for (QTreeWidgetItemIterator it(m_contents); *it; ++it) {
        QString object = (*it)->data(0, TopicRole).toString();
        if (!object.isEmpty())
            return object;
    }
    for (const auto &object : m_file->objects()) {
        if (object.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive) ||
            object.endsWith(QLatin1String(".html"), Qt::CaseInsensitive))
            return object;
    }
    return {};
}

QImage HelpViewer::picture(const QString &objectPath, qreal devicePixelRatio) const
{
    const QString object = m_file->objectFor(objectPath);
    if (object.isEmpty())
        return {};
    QImage image;
    if (devicePixelRatio > 1.0) {
        const qsizetype dot = object.lastIndexOf(QLatin1Char('.'));
        const qsizetype slash = object.lastIndexOf(QLatin1Char('/'));
        if (dot > slash + 1) {
            const QString doubled = QString(object).insert(dot, QStringLiteral("@2x"));
            if (const auto bytes = m_file->read(doubled); bytes && image.loadFromData(*bytes)) {
                image.setDevicePixelRatio(2.0);
                return image;
            }
        }
    }
    if (const auto bytes = m_file->read(object); bytes && image.loadFromData(*bytes))
        return image;
    return {};
}

} // namespace swatchly::help
