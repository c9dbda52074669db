#include "support/TestRegistry.h"

#include "core/TypedChannels.h"

#include <QTest>

using namespace swatchly;

class TypedChannelsTest : public QObject
{
    Q_OBJECT

private slots:
    void decimalBoxes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("correction"); // "-": the text stands
        QTest::addColumn<int>("channel");

        QTest::newRow("plain") << "12"
                               << "-" << 12;
        QTest::newRow("blanks and sign") << " +7\t"
                                         << "-" << 7;
        QTest::newRow("half rounds to even, down") << "12.5"
                                                   << "-" << 12;
        QTest::newRow("half rounds to even, up") << "13.5"
                                                 << "-" << 14;
        QTest::newRow("above half") << "12.51"
                                    << "-" << 13;
        QTest::newRow("below half") << "12.4999"
                                    << "-" << 12;
        QTest::newRow("trailing zeros are no fraction") << "255.000"
                                                        << "-" << 255;
        QTest::newRow("point alone after digits") << "9."
                                                  << "-" << 9;
        QTest::newRow("many leading zeros") << "0000000000000000000000000012"
                                            << "-" << 12;
        QTest::newRow("minus zero") << "-0.0"
                                    << "-" << 0;
        QTest::newRow("above 255 by a fraction") << "255.1"
                                                 << "255" << 255;
        QTest::newRow("above 255") << "256"
                                   << "255" << 255;
        QTest::newRow("far above 255") << "99999999999999999999"
                                       << "255" << 255;
        QTest::newRow("below 0") << "-3"
                                 << "0" << 0;
        QTest::newRow("empty") << ""
                               << "0" << 0;
        QTest::newRow("point alone") << "."
                                     << "0" << 0;
        QTest::newRow("two points") << "1.2.3"
                                    << "0" << 0;
        QTest::newRow("letters") << "12a"
                                 << "0" << 0;
    }

    void decimalBoxes()
    {
        QFETCH(QString, text);
        QFETCH(QString, correction);
        QFETCH(int, channel);
        const std::string typed = text.toStdString();
        const auto corrected = decimalCorrection(typed);
        QCOMPARE(corrected ? QString::fromStdString(*corrected) : QStringLiteral("-"), correction);
        QCOMPARE(decimalChannel(typed), channel);
        // The corrected text means the same channel.
        if (corrected)
            QCOMPARE(decimalChannel(*corrected), channel);
    }

    void hexadecimalBoxes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("channel"); // -1: no channel

        QTest::newRow("two digits") << "A7" << 0xA7;
        QTest::newRow("lower case") << "fF" << 0xFF;
        QTest::newRow("one digit") << "F" << 0x0F;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("not a digit") << "G0" << -1;
        QTest::newRow("blank") << " F" << -1;
        QTest::newRow("three digits") << "FFF" << -1;
        QTest::newRow("not ASCII") << "\u00e9" << -1;
    }

    void hexadecimalBoxes()
    {
        QFETCH(QString, text);
        QFETCH(int, channel);
        QCOMPARE(hexChannel(text.toStdString()).value_or(-1), channel);
    }
};

SWATCHLY_TEST(TypedChannelsTest)
#include "TypedChannelsTest.moc"
