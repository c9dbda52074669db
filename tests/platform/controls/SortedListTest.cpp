// The sorted list of a name box (the scheme window's): names keep case-blind alphabetical
// order whatever order the folder gives them in, and the chosen item stays chosen.
#include "platform/controls/ComboBox.h"
#include "support/TestRegistry.h"
#include "support/WindowContents.h"

#include <QTest>

#include <algorithm>
#include <random>

using namespace swatchly;
using swatchly::test::listOf;

class SortedListTest : public QObject
{
    Q_OBJECT

private slots:
    void namesArrivingInAnyOrderAreListedInOrder_data()
    {
        QTest::addColumn<QStringList>("arriving");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("reversed") << QStringList { "d.col", "c.col", "b.col", "a.col" }
                                  << QStringList { "a.col", "b.col", "c.col", "d.col" };
        QTest::newRow("case does not count")
            << QStringList { "winter.col", "Autumn.col", "summer.col", "Spring.col" }
            << QStringList { "Autumn.col", "Spring.col", "summer.col", "winter.col" };
        // Names equal but for case stay in the order they came.
        QTest::newRow("equal names") << QStringList { "Dusk.col", "b.col", "DUSK.col", "dusk.col" }
                                     << QStringList { "b.col", "Dusk.col", "DUSK.col", "dusk.col" };

        // A large folder in the order a directory listing might give.
        QStringList many;
        for (int i = 0; i < 500; ++i)
            many.append(QStringLiteral("%1 Scheme %2.col")
                            .arg(i % 3 == 0 ? QStringLiteral("a") : QStringLiteral("A"))
                            .arg(i * 7919 % 1000, 3, 10, QLatin1Char('0')));
        std::shuffle(many.begin(), many.end(), std::mt19937(7));
        QStringList sorted = many;
        std::stable_sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
            return QString::compare(a, b, Qt::CaseInsensitive) < 0;
        });
        QTest::newRow("500 shuffled") << many << sorted;
    }

    void namesArrivingInAnyOrderAreListedInOrder()
    {
        QFETCH(QStringList, arriving);
        QFETCH(QStringList, listed);
        QWidget host;
        auto *box = new platform::ComboBox(&host, QStringLiteral("Combo1"), true);
        box->setText(QStringLiteral("typed"));
        for (const QString &name : arriving)
            box->addListItem(name);
        QCOMPARE(listOf(*box), listed);
        QCOMPARE(box->text(), QStringLiteral("typed"));
        QCOMPARE(box->listIndex(), -1);
    }

    void theChosenItemStaysChosenAsNamesArrive()
    {
        QWidget host;
        auto *box = new platform::ComboBox(&host, QStringLiteral("Combo1"), true);
        for (const char *name : { "m.col", "x.col" })
            box->addListItem(QLatin1String(name));
        box->setListIndex(0);
        QCOMPARE(box->text(), QStringLiteral("m.col"));
        for (const char *name : { "a.col", "z.col", "b.col", "n.col" })
            box->addListItem(QLatin1String(name));
        QCOMPARE(listOf(*box),
                 QStringList({ "a.col", "b.col", "m.col", "n.col", "x.col", "z.col" }));
        QCOMPARE(box->listIndex(), 2);
        QCOMPARE(box->text(), QStringLiteral("m.col"));
    }
};

SWATCHLY_TEST(SortedListTest)
#include "SortedListTest.moc"
