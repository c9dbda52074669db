// The scheme window itself: its controls, opening and closing, the list of scheme files and
// the two modes. Import and export are in ImportExport.cpp, deletion in DeleteScheme.cpp.
#include "schemes/frmSavetxt.h"

#include "platform/Windows.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Fonts.h"
#include "platform/controls/Frames.h"
#include "platform/controls/Geometry.h"
#include "platform/controls/Label.h"
#include "platform/services/FileNames.h"
#include "platform/services/Translations.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPointer>

#include <algorithm>

namespace swatchly {

using platform::placeTwips;
using platform::twips;

namespace {

constexpr ColourValue InactiveBorder = static_cast<ColourValue>(0x8000000B);
constexpr ColourValue LightBlue = RGB(192, 192, 255);

constexpr std::uint32_t DirectoryAttribute = 0x10;

} // namespace

frmSavetxt::frmSavetxt(platform::Services &services, QWidget &mainWindow,
                       UserColourBoxes &userColours, QPointer<frmSavetxt> &loaded)
    : m_services(services)
    , m_main(mainWindow)
    , m_userColours(userColours)
    , m_loaded(loaded)
{
    setObjectName(QStringLiteral("frmSavetxt"));
    //: The scheme window's title.
    setWindowTitle(tr("Save/Replace/Delete the User Defined Color Scheme Files"));
    setWindowIcon(mainWindow.windowIcon());
    // A sizable border with a close box but neither minimize nor maximize.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    platform::setClassicFont(this, 8);
    resize(twips(5730), twips(2745));

    buildControls();
    connectHandlers();
    new TypeAheadCombo(*m_services.messageBoxes, Combo1,
                       TypeAheadRules {
                           true,
                           [this](int index) { foundSchemeName(index); },
                           [this](int index) { foundSchemeName(index); },
                           nullptr,
                       });
    platform::centreOnScreen(this);

    // A main window has one scheme window at most.
    delete m_loaded;
    m_loaded = this;

    Form_Load();
}

frmSavetxt::~frmSavetxt() = default;

void frmSavetxt::buildControls()
{
    cmdOpen =
        //: Scheme window, a button: 81 x 33 px.
        new platform::CommandButton(this, QStringLiteral("cmdOpen"), tr("Import..."));
    placeTwips(cmdOpen, 4440, 1440, 1215, 495);

    cmdSave =
        //: Scheme window, a button: 81 x 33 px.
        new platform::CommandButton(this, QStringLiteral("cmdSave"), tr("Export..."));
    placeTwips(cmdSave, 4440, 2160, 1215, 495);

    Label1 = new platform::Label(this, QStringLiteral("Label1"),
                                 //: Scheme window, under the name box, one line: 241 px.
                                 tr("Type in/Select a file name  for your Color Scheme"));
    Label1->setTextFormat(Qt::PlainText);
    placeTwips(Label1, 120, 1320, 3615, 255);
    Label1->setBackColor(InactiveBorder);

    Combo1 = new platform::ComboBox(this, QStringLiteral("Combo1"), true);
    placeTwips(Combo1, 120, 840, 3135, 315);
    platform::setFieldColours(Combo1, LightBlue);
    platform::setFieldColours(Combo1->lineEdit(), LightBlue);
    Combo1->setText(QStringLiteral("Combo1"));

    // The blanks push the second sentence onto the label's next line.
    Label2 = new platform::Label(
        this, QStringLiteral("Label2"),
        //: Scheme window, the explanation at the top: 289 x 41 px, three lines at most. %1 is a
        //: run of blanks that pushes the second sentence onto a line of its own.
        tr("Import - Open a File - Replaces the User Defined Colors%1"
           "Export - Saves  the current User Defined Colors to this File.")
            .arg(QString(98, QLatin1Char(' '))));
    Label2->setTextFormat(Qt::PlainText);
    placeTwips(Label2, 120, 120, 4335, 615);
    Label2->setBackColor(InactiveBorder);

    Frame1 =
        //: Scheme window, the frame of the two options: 209 px.
        new platform::Frame(this, QStringLiteral("Frame1"), tr("Select an Option"));
    placeTwips(Frame1, 0, 1680, 3135, 975);

    optOpenSave[0] =
        new platform::OptionButton(Frame1, QStringLiteral("optOpenSave(0)"),
                                   //: Scheme window, an option: 193 px with its circle.
                                   tr("Import a Color Scheme    (Open File)"));
    placeTwips(optOpenSave[0], 120, 240, 2895, 255);
    optOpenSave[0]->setToolTip(tr("Replace the User Defined Colors with this files Colors"));

    optOpenSave[1] =
        new platform::OptionButton(Frame1, QStringLiteral("optOpenSave(1)"),
                                   //: Scheme window, an option: 193 px with its circle.
                                   tr("Export a Color Scheme    (Save File)"));
    placeTwips(optOpenSave[1], 120, 600, 2895, 255);
    optOpenSave[1]->setToolTip(tr("Open  New/Change File to Save a Color Scheme."));

    cmdDelete =
        //: Scheme window, a button: 41 x 33 px.
        new platform::CommandButton(this, QStringLiteral("cmdDelete"), tr("Delete"));
    placeTwips(cmdDelete, 4440, 720, 615, 495);
    cmdDelete->setEnabled(false);

    //: Scheme window, a button: 41 x 33 px.
    cmdExit = new platform::CommandButton(this, QStringLiteral("cmdExit"), tr("Exit"));
    placeTwips(cmdExit, 5040, 720, 615, 495);

    // The name box is named after the label above it; screen readers on some desktops take
    // the name from the label itself.
    Label1->setBuddy(Combo1);
    Combo1->setAccessibleName(Label1->text().simplified());
    // The captions' runs of blanks are layout; screen readers get the words.
    for (platform::OptionButton *option : optOpenSave)
        option->setAccessibleName(option->text().simplified());
    Combo1->setAccessibleDescription(tr("The scheme files in the program folder"));
    cmdOpen->setAccessibleDescription(optOpenSave[0]->toolTip());
    cmdSave->setAccessibleDescription(tr("Saves the User Defined Colors to the named file"));
    cmdDelete->setAccessibleDescription(tr("Deletes the named scheme file"));

    // Labels and the frame take no focus; the rest follow the design's tab order.
    QWidget::setTabOrder(cmdOpen, cmdSave);
    QWidget::setTabOrder(cmdSave, Combo1);
    QWidget::setTabOrder(Combo1, optOpenSave[0]);
    QWidget::setTabOrder(optOpenSave[0], optOpenSave[1]);
    QWidget::setTabOrder(optOpenSave[1], cmdDelete);
    QWidget::setTabOrder(cmdDelete, cmdExit);
}

void frmSavetxt::connectHandlers()
{
    connect(cmdOpen, &QPushButton::clicked, this, &frmSavetxt::cmdOpen_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmSavetxt::cmdSave_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmSavetxt::cmdDelete_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmSavetxt::cmdExit_Click);
    for (int i = 0; i < 2; ++i)
        connect(optOpenSave[static_cast<std::size_t>(i)], &platform::OptionButton::click, this,
                [this, i] { optOpenSave_Click(i); });
}

frmSavetxt *frmSavetxt::open(platform::Services &services, QWidget &mainWindow,
                             UserColourBoxes &userColours, QPointer<frmSavetxt> &loaded, int option)
{
    frmSavetxt *window =
        loaded ? loaded.data() : new frmSavetxt(services, mainWindow, userColours, loaded);
    window->show();
    window->optOpenSave[static_cast<std::size_t>(option == 0 ? 0 : 1)]->setValue(true);
    mainWindow.hide();
    return window;
}

void frmSavetxt::Form_Load()
{
    Combo1->setEnabled(false);
    cmdOpen->setEnabled(false);
    cmdSave->setEnabled(false);
    optOpenSave[0]->setValue(false);
    optOpenSave[1]->setValue(false);
    FillFileList();
}

void frmSavetxt::FillFileList()
{
    // The list is still empty, so this clears the design text.
    Combo1->setText(Combo1->list(0));
    FindFilesInSingleDir(m_services.programFolder, QStringLiteral("\\*.col"));
    Combo1->update();
}

int frmSavetxt::FindFilesInSingleDir(const QString &strDir, const QString &strPattern)
{
    m_strExtension = QStringLiteral("col");
    const QString folder = platform::withTrailingSeparator(strDir);
    if (!m_cFindFile)
        m_cFindFile =
            std::make_unique<clsFindFile>(*m_services.folderSearch, *m_services.messageBoxes);
    m_strFoundName = m_cFindFile->Find(folder + strPattern, false);
    while (!m_strFoundName.isEmpty()) {
        if ((m_cFindFile->FileAttributes() & DirectoryAttribute) == 0 &&
            m_strFoundName.right(3).toLower() == m_strExtension)
            Combo1->addListItem(m_strFoundName);
        m_strFoundName = m_cFindFile->FindNext();
    }
    return Combo1->listCount();
}

void frmSavetxt::optOpenSave_Click(int Index)
{
    const bool importing = Index == 0;
    cmdOpen->setEnabled(importing);
    cmdSave->setEnabled(!importing);
    Combo1->setEnabled(true);
    cmdDelete->setEnabled(importing);
}

void frmSavetxt::cmdExit_Click()
{
    unload();
}

void frmSavetxt::unload()
{
    m_unloadMode = 1;
    close();
    m_unloadMode = 0;
}

void frmSavetxt::closeEvent(QCloseEvent *event)
{
    int cancel = 0;
    Form_QueryUnload(cancel, m_unloadMode);
    if (cancel != 0) {
        event->ignore();
        return;
    }
    event->accept();
    // Closing deletes the window later; the next opening loads a fresh one.
    if (m_loaded == this)
        m_loaded = nullptr;
}

void frmSavetxt::Form_QueryUnload(int &, int)
{
    m_main.show();
}

void frmSavetxt::foundSchemeName(int index)
{
    // Rewriting the text must not lose the untyped tail that completion has just selected.
    const int start = Combo1->selStart();
    const int length = Combo1->selLength();
    const QString item = Combo1->list(index);
    if (Combo1->text() == item)
        return;
    Combo1->setText(item);
    Combo1->setSelection(start, length);
}

void frmSavetxt::clearNameBox()
{
    // Emptying the box is no typing: completing the empty text would put the first listed
    // name straight back.
    const QSignalBlocker blocker(Combo1);
    Combo1->setText(QString());
}

namespace {

bool isControlCharacter(char16_t ch)
{
    return ch < 0x20 || (ch >= 0x7F && ch <= 0x9F);
}

// The marks and overrides that make text run the other way: a name holding one shows other
// characters, in another order, than the file name it becomes.
bool isDirectionCharacter(char16_t ch)
{
    return (ch >= 0x202A && ch <= 0x202E) || (ch >= 0x2066 && ch <= 0x2069) || ch == 0x200E ||
        ch == 0x200F || ch == 0x061C;
}

// Blanks and the characters that take no room (zero-width spaces and joiners, the byte-order
// mark, the word joiner) show nothing. A byte of a name that is not UTF-8 counts as visible.
bool isInvisible(QChar ch)
{
    return ch.isSpace() || (!ch.isSurrogate() && ch.category() == QChar::Other_Format);
}

} // namespace

bool frmSavetxt::isPlainSchemeName(const QString &name)
{
    QString problem;
    if (std::any_of(name.cbegin(), name.cend(),
                    [](QChar ch) { return isControlCharacter(ch.unicode()); }))
        problem = tr("A scheme name cannot contain a control character (a tab, a line break or "
                     "another code that is not a letter); please type a plain file name.");
    else if (std::any_of(name.cbegin(), name.cend(),
                         [](QChar ch) { return isDirectionCharacter(ch.unicode()); }))
        problem = tr("A scheme name cannot contain a character that changes the direction of the "
                     "text; please type a plain file name.");
    else if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
             name == QLatin1String(".") || name == QLatin1String(".."))
        problem = tr("A scheme name cannot contain a folder; please type a plain file name.");
    else if (std::all_of(name.cbegin(), name.cend(), isInvisible))
        problem = tr("A scheme name needs at least one visible character; please type a plain "
                     "file name.");
    if (!problem.isEmpty())
        m_services.messageBoxes->msgBox(problem, platform::Buttons::OK, platform::Icon::Exclamation,
                                        tr("Invalid File Name"), this);
    return problem.isEmpty();
}

std::string frmSavetxt::schemeFilePath(const QString &name) const
{
    return m_services.programFileBytes(name);
}

QString frmSavetxt::problemText(const FileError &error)
{
    //: %1 is the failure's number, %2 its description ("Permission denied"), without a blank
    //: between them.
    return tr("There was a problem with this file! %1%2")
        .arg(QString::number(error.code), platform::describe(error));
}

} // namespace swatchly
