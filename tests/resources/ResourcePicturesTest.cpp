// The toolbar, the File menu and the window icon load their pictures from the compiled-in
// resources by name; a missing file or one drawn at the wrong size would only show as a blank
// or blurred button. On a high-DPI screen Qt looks for "name@2x.png" beside "name.png", so
// each of those must be there at exactly twice the size.
#include "support/TestRegistry.h"

#include <QImage>
#include <QTest>

class ResourcePicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void pictureHasItsSize_data();
    void pictureHasItsSize();
};

namespace {

struct Picture
{
    const char *path;
    QSize size;
};

const Picture toolbarAndMenuPictures[] = {
    { ":/toolbar/import.png", { 16, 16 } }, { ":/toolbar/export.png", { 16, 16 } },
    { ":/toolbar/about.png", { 16, 16 } },  { ":/toolbar/email.png", { 16, 16 } },
    { ":/toolbar/help.png", { 16, 16 } },   { ":/menu/import.png", { 16, 16 } },
    { ":/menu/export.png", { 16, 16 } },    { ":/menu/about.png", { 20, 15 } },
    { ":/menu/email.png", { 20, 15 } },     { ":/menu/help.png", { 16, 16 } },
    { ":/menu/exit.png", { 13, 12 } },
};

QString doubleSizePath(const QString &path)
{
    QString result = path;
    return result.insert(result.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
}

} // namespace

void ResourcePicturesTest::pictureHasItsSize_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    for (int side : { 16, 22, 24, 32, 48, 64, 128, 256, 512 }) {
        const QString path = QStringLiteral(":/icons/swatchly-%1.png").arg(side);
        QTest::newRow(qPrintable(path)) << path << QSize(side, side);
    }
    for (const Picture &picture : toolbarAndMenuPictures) {
        const QString path = QString::fromLatin1(picture.path);
        QTest::newRow(picture.path) << path << picture.size;
        const QString doubled = doubleSizePath(path);
        QTest::newRow(qPrintable(doubled)) << doubled << picture.size * 2;
    }
}

void ResourcePicturesTest::pictureHasItsSize()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image(path);
    QVERIFY2(!image.isNull(), qPrintable(path));
    QCOMPARE(image.size(), size);
    QVERIFY(image.hasAlphaChannel());
}

SWATCHLY_TEST(ResourcePicturesTest)

#include "ResourcePicturesTest.moc"
