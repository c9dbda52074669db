// The desktop's colour and font dialogs behind the dialog service: what they open on and what
// they hand back.
#include "platform/services/Dialogs.h"
#include "platform/services/MessageBoxes.h"
#include "support/ModalDialogs.h"
#include "support/TestRegistry.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace swatchly;
using swatchly::test::whenShown;

class QtDialogsTest : public QObject
{
    Q_OBJECT

    platform::QtMessageBoxes boxes;
    platform::QtDialogs dialogs { boxes };

private slots:
    void colourDialogOpensTitledOnTheGivenColourWithTheScreenPicker()
    {
        QString title;
        QColor start;
        bool qtDialog = false;
        bool screenPicker = false;
        whenShown<QColorDialog>([&](QColorDialog *dialog) {
            title = dialog->windowTitle();
            start = dialog->currentColor();
            qtDialog = dialog->testOption(QColorDialog::DontUseNativeDialog);
            for (auto *button : dialog->findChildren<QPushButton *>())
                screenPicker = screenPicker || button->text().contains(QLatin1String("Screen"));
            dialog->setCurrentColor(QColor(1, 2, 3));
            dialog->accept();
        });

        const auto chosen =
            dialogs.chooseColour(nullptr, 0x0080FF, QStringLiteral("Vexel Form Creator"));

        QCOMPARE(title, QStringLiteral("Vexel Form Creator"));
        QCOMPARE(start, QColor(0xFF, 0x80, 0x00));
        QVERIFY(qtDialog);
        QVERIFY(screenPicker);
        QCOMPARE(chosen, std::optional<ColourValue>(0x030201));
    }

    void colourDialogCancelGivesNothing()
    {
        whenShown<QColorDialog>([](QColorDialog *dialog) {
            dialog->setCurrentColor(QColor(1, 2, 3));
            dialog->reject();
        });
        QCOMPARE(dialogs.chooseColour(nullptr, 0x0080FF, QStringLiteral("t")),
                 std::optional<ColourValue>());
    }

    void colourDialogStartsOnTheShownColourOfAnEmptyBox()
    {
        QColor start;
        whenShown<QColorDialog>([&](QColorDialog *dialog) { start = dialog->currentColor(); });
        dialogs.chooseColour(nullptr, ButtonFace, QStringLiteral("t"));
        QCOMPARE(start, QApplication::palette().color(QPalette::Button));
    }

    void fontDialogOpensOnTheGivenFontAndGivesFaceAndSize()
    {
        QString startFamily;
        double startSize = 0;
        whenShown<QFontDialog>([&](QFontDialog *dialog) {
            startFamily = dialog->currentFont().family();
            startSize = dialog->currentFont().pointSizeF();
            QFont font(QStringLiteral("Liberation Mono"));
            font.setPointSize(9);
            font.setBold(true);
            dialog->setCurrentFont(font);
            dialog->accept();
        });

        const auto chosen = dialogs.chooseFont(
            nullptr, platform::FontChoice { QStringLiteral("DejaVu Serif"), 20 });

        QCOMPARE(startFamily, QStringLiteral("DejaVu Serif"));
        QCOMPARE(startSize, 20.0);
        QVERIFY(chosen.has_value());
        QCOMPARE(chosen->name, QStringLiteral("Liberation Mono"));
        QCOMPARE(chosen->size, 9.0);
    }

    void fontDialogCancelGivesNothing()
    {
        whenShown<QFontDialog>([](QFontDialog *dialog) { dialog->reject(); });
        QVERIFY(
            !dialogs
                 .chooseFont(nullptr, platform::FontChoice { QStringLiteral("DejaVu Serif"), 20 })
                 .has_value());
    }

    // A prompt quotes what the user typed or a file's name; none of it is markup.
    void messageBoxesShowTheirPromptAsPlainText_data()
    {
        QTest::addColumn<QString>("prompt");
        QTest::newRow("typed name") << "Sorry, but there is no match for 'x<b>y</b>z'.";
        QTest::newRow("scheme file") << "Delete x<i>y.col     ... Is this your Final Answer?\r\n"
                                        "\r\nHint: You may Change (Export) this Color Scheme "
                                        "instead of Deleting this file.";
        QTest::newRow("entity") << "&lt;&amp; is <not> a tag\n\n<br>";
    }

    void messageBoxesShowTheirPromptAsPlainText()
    {
        QFETCH(QString, prompt);
        QString shown;
        Qt::TextFormat format = Qt::AutoText;
        whenShown<QMessageBox>([&](QMessageBox *box) {
            auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
            if (label) {
                shown = label->text();
                format = label->textFormat();
            }
            box->accept();
        });
        boxes.msgBox(prompt);
        QCOMPARE(format, Qt::PlainText);
        QCOMPARE(shown, prompt);
    }
};

SWATCHLY_TEST(QtDialogsTest)
#include "QtDialogsTest.moc"
