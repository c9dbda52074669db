// The feedback e-mail window: its design, what its activation fills in, and the exact
// "mailto:" link it hands to the desktop.
#include "commands/frmSendEmail.h"
#include "platform/controls/Geometry.h"
#include "support/FakePlatform.h"
#include "support/TestRegistry.h"

#include <QApplication>
#include <QLocale>
#include <QTest>
#include <QUrlQuery>

using namespace swatchly;
using swatchly::test::FakePlatform;

namespace {

const QString FirstBody = QStringLiteral("Please send me any new information!");

struct Fields
{
    QString main, cc, bcc, subject, body, attachment;
};

void fill(frmSendEmail &window, const Fields &fields)
{
    window.txtMainAddresses->setText(fields.main);
    window.txtCC->setText(fields.cc);
    window.txtBCC->setText(fields.bcc);
    window.txtSubject->setText(fields.subject);
    window.cboBody->setText(fields.body);
    window.txtAttachmentFileLocation->setText(fields.attachment);
}

void openAndActivate(frmSendEmail &window)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace

Q_DECLARE_METATYPE(Fields)

class SendEmailTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_locale = QLocale(); }
    void cleanup() { QLocale::setDefault(m_locale); }

    void designShowsItsControls()
    {
        FakePlatform fake;
        frmSendEmail window(fake);
        QCOMPARE(window.windowTitle(), QStringLiteral("SendEmail"));
        QCOMPARE(window.size(), QSize(326, 248));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(window.palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));

        const QStringList captions { "Main Address", "Carbon Copy",  "Blind Copy",
                                     "Subject ",     "Body Message", "File Attached" };
        const QList<QWidget *> fields { window.txtMainAddresses, window.txtCC,
                                        window.txtBCC,           window.txtSubject,
                                        window.cboBody,          window.txtAttachmentFileLocation };
        const QList<QRect> twipRects { { 1320, 120, 3015, 375 },  { 1320, 600, 3015, 375 },
                                       { 1320, 1080, 3015, 375 }, { 1320, 1560, 3015, 375 },
                                       { 1320, 2160, 3015, 315 }, { 1320, 2640, 3015, 375 } };
        for (int i = 0; i < 6; ++i) {
            auto *label = window.Label1[static_cast<std::size_t>(i)];
            QCOMPARE(label->caption(), captions[i]);
            QCOMPARE(label->backColor(), 0xC0C0C0);
            QCOMPARE(label->x(), platform::twips(120));
            QCOMPARE(label->y(), fields[i]->y());
            const QRect &r = twipRects[i];
            QCOMPARE(fields[i]->geometry(),
                     QRect(platform::twips(r.x()), platform::twips(r.y()),
                           platform::twips(r.width()), platform::twips(r.height())));
        }
        QCOMPARE(window.txtMainAddresses->text(), QStringLiteral("feedback@swatchly.org"));
        QCOMPARE(window.txtMainAddresses->palette().color(QPalette::Base), QColor(Qt::yellow));
        QCOMPARE(window.cboBody->palette().color(QPalette::Base), QColor(Qt::cyan));
        QVERIFY(window.cboBody->isEditable());
        for (auto *empty :
             { window.txtCC, window.txtBCC, window.txtSubject, window.txtAttachmentFileLocation })
            QVERIFY2(empty->text().isEmpty(), qPrintable(empty->objectName()));
        QCOMPARE(window.cboBody->listCount(), 0);
        QVERIFY(!window.txtAttachmentFileLocation->isEnabled());
        QCOMPARE(window.cmdSendIt->text(), QStringLiteral("Sending E-mail..."));
        QCOMPARE(window.cmdSendIt->geometry(),
                 QRect(platform::twips(1320), platform::twips(3120), platform::twips(3015),
                       platform::twips(375)));
    }

    void linkCarriesTheFieldsAsTyped_data()
    {
        QTest::addColumn<Fields>("fields");
        QTest::addColumn<QString>("link");
        QTest::newRow("all empty") << Fields {} << QStringLiteral("mailto:");
        QTest::newRow("only the body")
            << Fields { {}, {}, {}, {}, QStringLiteral("Hello there"), {} }
            << QStringLiteral("mailto:?Body=Hello%20there");
        QTest::newRow("only the address")
            << Fields { QStringLiteral("me@example.com"), {}, {}, {}, {}, {} }
            << QStringLiteral("mailto:me@example.com");
        QTest::newRow("subject with ampersand and blanks")
            << Fields { QStringLiteral("a@b.c"), {}, {}, QStringLiteral("Tom & Jerry  =?"), {}, {} }
            << QStringLiteral("mailto:a@b.c?Subject=Tom%20%26%20Jerry%20%20=%3F");
        QTest::newRow("only the blind copy")
            << Fields { {}, {}, QStringLiteral("x@y.z"), {}, {}, {} }
            << QStringLiteral("mailto:?BCC=x@y.z");
        QTest::newRow("copies without subject") << Fields {
            QStringLiteral("a@b.c"), QStringLiteral("c@d.e"), QStringLiteral("f@g.h"), {}, {}, {}
        } << QStringLiteral("mailto:a@b.c?CC=c@d.e&BCC=f@g.h");
        QTest::newRow("only the attachment")
            << Fields { {}, {}, {}, {}, {}, QStringLiteral("C:\\my notes.txt") }
            << QStringLiteral("mailto:?Attach=%22C:%5Cmy%20notes.txt%22");
        QTest::newRow("what would end or split the link")
            << Fields { QStringLiteral("a+b@c.d"),
                        {},
                        {},
                        QStringLiteral("50% off #1 a+b?c&d"),
                        QStringLiteral("Grün\r\nzwei"),
                        {} }
            << QStringLiteral("mailto:a%2Bb@c.d?Subject=50%25%20off%20%231%20a%2Bb%3Fc%26d"
                              "&Body=Gr%C3%BCn%0D%0Azwei");
        QTest::newRow("every field")
            << Fields { QStringLiteral("a@b.c"),
                        QStringLiteral("c@d.e"),
                        QStringLiteral("f@g.h"),
                        QStringLiteral("Hi"),
                        QStringLiteral("I like using the Swatchly."),
                        QStringLiteral("x.col") }
            << QStringLiteral("mailto:a@b.c?CC=c@d.e&BCC=f@g.h&Subject=Hi&Body=I%20like%20using%20"
                              "the%20Swatchly.&Attach=%22x.col%22");
    }

    void linkCarriesTheFieldsAsTyped()
    {
        QFETCH(Fields, fields);
        QFETCH(QString, link);
        FakePlatform fake;
        frmSendEmail window(fake);
        fill(window, fields);
        QCOMPARE(window.composeLink(), link);
        window.cmdSendIt->click();
        QCOMPARE(fake.openedUrls.size(), 1);
        const QUrl sent = fake.openedUrls.first();
        QCOMPARE(sent, QUrl(link, QUrl::TolerantMode));
        // The mail program reads back exactly the texts typed.
        const QUrlQuery query(sent);
        QCOMPARE(sent.path(QUrl::FullyDecoded), fields.main);
        QCOMPARE(query.queryItemValue(QStringLiteral("Subject"), QUrl::FullyDecoded),
                 fields.subject);
        QCOMPARE(query.queryItemValue(QStringLiteral("Body"), QUrl::FullyDecoded), fields.body);
    }

    void escapeDoesNotCloseTheWindow()
    {
        FakePlatform fake;
        frmSendEmail window(fake);
        openAndActivate(window);
        window.txtSubject->setText(QStringLiteral("typed"));
        QTest::keyClick(window.cboBody->lineEdit(), Qt::Key_Escape);
        QTest::keyClick(window.txtSubject, Qt::Key_Escape);
        QVERIFY(window.isVisible());
        QCOMPARE(window.txtSubject->text(), QStringLiteral("typed"));
        // The close box still closes it.
        QVERIFY(window.close());
        QVERIFY(!window.isVisible());
    }

    void activationFillsSubjectAndBodyAndFocusesTheBody()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        FakePlatform fake;
        frmSendEmail window(fake);
        openAndActivate(window);
        QCOMPARE(window.txtSubject->text(), QStringLiteral("Swatchly 7/3/01 2:05:09 PM"));
        const QStringList expected { FirstBody,
                                     QStringLiteral("Please Do Not send any information."),
                                     QStringLiteral("I like using the Swatchly."),
                                     QStringLiteral("I Do Not like the Swatchly."),
                                     QStringLiteral("What is the web vexel form creator?") };
        QCOMPARE(window.cboBody->listCount(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(window.cboBody->list(i), expected[i]);
        QCOMPARE(window.cboBody->text(), FirstBody);
        QTRY_VERIFY(window.cboBody->hasFocus());

        const QString link = QStringLiteral("mailto:") + QStringLiteral("feedback@swatchly.org") +
            QStringLiteral("?") + QStringLiteral("Subject=") +
            QStringLiteral("Swatchly%207/3/01%202:05:09%20PM") + QStringLiteral("&Body=") +
            frmSendEmail::linkPart(FirstBody);
        QCOMPARE(window.composeLink(), link);
        QTest::mouseClick(window.cmdSendIt, Qt::LeftButton);
        QCOMPARE(fake.openedUrls, QList<QUrl> { QUrl(link, QUrl::TolerantMode) });
    }

    void typedTextsGoIntoTheLinkEscaped()
    {
        FakePlatform fake;
        frmSendEmail window(fake);
        openAndActivate(window);
        window.txtSubject->clear();
        QTest::keyClicks(window.txtSubject, QStringLiteral("Colours & names? a=b"));
        window.cboBody->lineEdit()->clear();
        QTest::keyClicks(window.cboBody->lineEdit(), QStringLiteral("My own words"));
        QCOMPARE(window.composeLink(),
                 QStringLiteral("mailto:feedback@swatchly.org?Subject=Colours%20%26%20names%3F%20"
                                "a=b&Body=My%20own%20words"));
    }

    void activatingAgainDoesNotRefillTheFields()
    {
        FakePlatform fake;
        frmSendEmail window(fake);
        openAndActivate(window);
        const QString subject = window.txtSubject->text();
        window.cboBody->setText(QStringLiteral("changed"));
        fake.fixedNow = fake.fixedNow.addSecs(3600);

        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        QCOMPARE(window.txtSubject->text(), subject);
        QCOMPARE(window.cboBody->listCount(), 5);
        QCOMPARE(window.cboBody->text(), QStringLiteral("changed"));
    }

    void sendingLeavesTheWindowAsItWasAndCanSendAgain()
    {
        FakePlatform fake;
        frmSendEmail window(fake);
        openAndActivate(window);
        window.txtCC->setText(QStringLiteral("friend@example.com"));
        const QString link = window.composeLink();
        QTest::mouseClick(window.cmdSendIt, Qt::LeftButton);
        QVERIFY(window.isVisible());
        QCOMPARE(window.txtCC->text(), QStringLiteral("friend@example.com"));
        QCOMPARE(window.txtMainAddresses->text(), QStringLiteral("feedback@swatchly.org"));
        QCOMPARE(window.cboBody->text(), FirstBody);
        QCOMPARE(window.composeLink(), link);
        QTest::mouseClick(window.cmdSendIt, Qt::LeftButton);
        QCOMPARE(fake.openedUrls.size(), 2);
        QCOMPARE(fake.openedUrls[1], fake.openedUrls[0]);
    }

    void enterInAFieldDoesNotSend()
    {
        FakePlatform fake;
        frmSendEmail window(fake);
        openAndActivate(window);
        window.txtSubject->setFocus();
        QTest::keyClick(window.txtSubject, Qt::Key_Return);
        QTest::keyClick(window.cboBody->lineEdit(), Qt::Key_Return);
        QVERIFY(fake.openedUrls.isEmpty());
        QVERIFY(window.isVisible());
    }

    void subjectShowsGeneralDateWithoutTimeAtMidnight_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<QString>("subject");
        const QDate day(2001, 7, 3);
        QTest::newRow("afternoon") << "en_US" << QDateTime(day, QTime(14, 5, 9))
                                   << QStringLiteral("Swatchly 7/3/01 2:05:09 PM");
        QTest::newRow("midnight") << "en_US" << QDateTime(day, QTime(0, 0, 0))
                                  << QStringLiteral("Swatchly 7/3/01");
        QTest::newRow("midnight and a half")
            << "en_US" << QDateTime(day, QTime(0, 0, 0, 500)) << QStringLiteral("Swatchly 7/3/01");
        QTest::newRow("a second past midnight") << "en_US" << QDateTime(day, QTime(0, 0, 1))
                                                << QStringLiteral("Swatchly 7/3/01 12:00:01 AM");
        QTest::newRow("noon") << "en_US" << QDateTime(day, QTime(12, 0, 0))
                              << QStringLiteral("Swatchly 7/3/01 12:00:00 PM");
        QTest::newRow("german") << "de_DE" << QDateTime(day, QTime(14, 5, 9))
                                << QStringLiteral("Swatchly 03.07.01 14:05:09");
        QTest::newRow("zone in parentheses") << "eu_ES" << QDateTime(day, QTime(14, 5, 9))
                                             << QStringLiteral("Swatchly 01/7/3 14:05:09");
        QTest::newRow("zone after a comma") << "be_BY" << QDateTime(day, QTime(14, 5, 9))
                                            << QStringLiteral("Swatchly 3.07.01 14:05:09");
        QTest::newRow("zone in brackets") << "zh_HK" << QDateTime(day, QTime(14, 5, 9))
                                          << QStringLiteral("Swatchly 3/7/2001 下午2:05:09");
        QTest::newRow("quoted words kept") << "nds_DE" << QDateTime(day, QTime(14, 5, 9))
                                           << QStringLiteral("Swatchly 3.07.01 Klock 14.05:09");
    }

    void subjectShowsGeneralDateWithoutTimeAtMidnight()
    {
        QFETCH(QString, locale);
        QFETCH(QDateTime, when);
        QFETCH(QString, subject);
        QLocale::setDefault(QLocale(locale));
        QCOMPARE(frmSendEmail::subjectFor(when), subject);
    }

    void activationAtMidnightLeavesTheTimeOut()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        FakePlatform fake;
        fake.fixedNow = QDateTime(QDate(2024, 12, 31), QTime(0, 0));
        frmSendEmail window(fake);
        openAndActivate(window);
        QCOMPARE(window.txtSubject->text(), QStringLiteral("Swatchly 12/31/24"));
    }

private:
    QLocale m_locale;
};

SWATCHLY_TEST(SendEmailTest)

#include "SendEmailTest.moc"
