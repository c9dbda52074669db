// Swatchly in German, French and Spanish: the language chosen from the locale, every message box
// of the windows in it, Qt's own texts with them, and English for any other locale.
#include "platform/services/Translations.h"
#include "chart/frmTintora.h"
#include "help/HelpViewer.h"
#include "platform/services/Help.h"
#include "schemes/frmSavetxt.h"
#include "support/FakePlatform.h"
#include "support/FaultyFileSystem.h"
#include "support/TestRegistry.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <functional>

using namespace swatchly;
using swatchly::test::FakePlatform;

namespace {

// What stays as it is in every language: names, the scheme files' names, and the words the
// languages share with English.
const QStringList Untranslated { "Pigmentor", "Swatchly", "UserDefColors", "col",        "chm",
                                 "Dusk",      "HTML",     "Version",       "Option",     "Name",
                                 "web",       "Error",    "Permission",    "hexadecimal" };

struct Windows
{
    FakePlatform fake;
    test::FaultyFileSystem files { fake };
    std::unique_ptr<frmTintora> main;
    QPointer<frmSavetxt> scheme;

    void schemeStep(const QString &name, void (frmSavetxt::*handler)())
    {
        scheme->Combo1->setText(name);
        (scheme->*handler)();
    }
};

// Each step brings up message boxes (the About box counts as one); those of the scheme window
// (true) find it open.
const std::vector<std::pair<bool, std::function<void(Windows &)>>> Steps {
    { false, [](Windows &w) { w.main->lblShowCB_Click(); } },
    { false,
      [](Windows &w) {
          w.main->txtColValue[3]->setText(QStringLiteral("G0"));
          w.main->cmdHexColVal_Click();
      } },
    { false,
      [](Windows &w) {
          QTest::keyClicks(w.main->Combo1->lineEdit(), QStringLiteral("Zq"));
          QTest::mouseClick(w.main->txtColValue[0], Qt::LeftButton);
          QTest::mouseClick(w.main->Combo1->lineEdit(), Qt::LeftButton);
      } },
    { false, [](Windows &w) { w.main->mnuAbout_Click(); } },
    { false,
      [](Windows &w) {
          w.files.failCommit = fileErrors::PermissionDenied;
          QTest::mouseClick(w.main->Picture1[2], Qt::LeftButton);
          QTest::mouseClick(w.main->Picture1[21], Qt::RightButton, Qt::ShiftModifier);
          w.fake.answers = { platform::Answer::Yes, platform::Answer::No };
          int cancel = 0;
          w.main->Form_QueryUnload(cancel, 0);
      } },
    { true, [](Windows &w) { w.schemeStep({}, &frmSavetxt::cmdDelete_Click); } },
    { true, [](Windows &w) { w.schemeStep("UserDefColors.col", &frmSavetxt::cmdDelete_Click); } },
    { true, [](Windows &w) { w.schemeStep("Xq.col", &frmSavetxt::cmdDelete_Click); } },
    { true,
      [](Windows &w) {
          w.files.failRemove = fileErrors::PermissionDenied;
          w.schemeStep("Dusk.col", &frmSavetxt::cmdDelete_Click);
      } },
    { true, [](Windows &w) { w.schemeStep("a/b", &frmSavetxt::cmdDelete_Click); } },
    { true, [](Windows &w) { w.schemeStep({}, &frmSavetxt::cmdOpen_Click); } },
    { true, [](Windows &w) { w.schemeStep({}, &frmSavetxt::cmdSave_Click); } },
    { true, [](Windows &w) { w.schemeStep("Xq.col", &frmSavetxt::cmdOpen_Click); } },
    { true,
      [](Windows &w) {
          w.fake.answers = { platform::Answer::No };
          w.schemeStep("Dusk.col", &frmSavetxt::cmdSave_Click);
      } },
};

// The texts of every box the steps bring up, in a language.
QStringList boxTexts(const QString &language)
{
    platform::useLanguage(QLocale(language));
    QStringList texts;
    for (const auto &[inScheme, step] : Steps) {
        Windows w;
        w.fake.copyShippedData();
        w.fake.writeFile(QStringLiteral("Dusk.col"), "\"000000\"\r\n");
        w.main = std::make_unique<frmTintora>(w.fake);
        w.main->show();
        if (!QTest::qWaitForWindowExposed(w.main.get()))
            return {};
        w.main->activateWindow();
        w.main->Combo1->setFocus(Qt::OtherFocusReason);
        if (inScheme)
            w.scheme = frmSavetxt::open(*w.main, 0);
        step(w);
        for (const auto &box : std::as_const(w.fake.shown))
            texts << box.title << QString(box.prompt).remove(w.fake.folder());
        for (const auto &about : std::as_const(w.fake.aboutRequests))
            texts << about.title << about.text;
    }
    QString failure;
    FakePlatform fake;
    help::HelpViewer::display(fake, QStringLiteral("/x.chm"), platform::HH_DISPLAY_TOPIC, 0,
                              &failure);
    return texts << failure;
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { platform::useLanguage(QLocale(QLocale::English)); }

    void theLocaleChoosesTheLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("chosen");
        // English, the C locale and languages Swatchly does not speak get the source texts.
        for (const auto &[locale, chosen] :
             std::vector<std::pair<const char *, const char *>> { { "de_AT", "de" },
                                                                  { "fr_CA", "fr" },
                                                                  { "es_MX", "es" },
                                                                  { "en_GB", "" },
                                                                  { "ja_JP", "" },
                                                                  { "C", "" } })
            QTest::newRow(locale) << QString::fromLatin1(locale) << QString::fromLatin1(chosen);
    }

    void theLocaleChoosesTheLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, chosen);
        QCOMPARE(platform::useLanguage(QLocale(locale)), chosen);
        // Qt's own buttons come along in the same language.
        const QString yes = QCoreApplication::translate("QPlatformTheme", "&Yes");
        QCOMPARE(yes == QLatin1String("&Yes"), chosen.isEmpty());
    }

    void messageBoxesSpeakTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : { "de", "fr", "es" })
            QTest::newRow(language) << QString::fromLatin1(language);
    }

    void messageBoxesSpeakTheLanguage()
    {
        QFETCH(QString, language);
        const QStringList english = boxTexts(QStringLiteral("en"));
        QVERIFY(english.size() > 30);
        const QStringList translated = boxTexts(language);
        QCOMPARE(translated.size(), english.size());
        static const QRegularExpression word(QStringLiteral("\\b[A-Za-z]{3,}\\b"));
        QStringList left;
        for (qsizetype i = 0; i < english.size(); ++i)
            for (const auto &match : word.globalMatch(english[i]))
                if (!Untranslated.contains(match.captured()) &&
                    QRegularExpression(QStringLiteral("\\b%1\\b").arg(match.captured()))
                        .match(translated[i])
                        .hasMatch())
                    left << match.captured() + QStringLiteral(" in: ") + translated[i];
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
    }

    // --help is read before the application exists, from the environment's language.
    void helpFollowsTheEnvironment()
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("fr:de"));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/swatchly"),
                      { QStringLiteral("--help") });
        QVERIFY(program.waitForFinished(20000));
        QVERIFY(program.readAllStandardOutput().startsWith("Utilisation : swatchly"));
    }
};

SWATCHLY_TEST(TranslationsTest)
#include "TranslationsTest.moc"
