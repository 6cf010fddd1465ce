#include "ui/app_identity.h"
#include "ui/form4.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QTest>

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void picturesLoadAtTheirSize_data();
    void picturesLoadAtTheirSize();
    void picturesStretchOverTheirPlaces_data();
    void picturesStretchOverTheirPlaces();
    void applicationNamesItself();
};

void TestPictures::picturesLoadAtTheirSize_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("minColours");

    QTest::newRow("illustration") << ":/image1.jpg" << QByteArray("jpeg") << QSize(259, 194) << 50;
    QTest::newRow("reference table") << ":/image2.jpg" << QByteArray("jpeg") << QSize(259, 194) << 50;
    QTest::newRow("icon") << ":/irgcalc-48.png" << QByteArray("png") << QSize(48, 48) << 10;
}

void TestPictures::picturesLoadAtTheirSize()
{
    QFETCH(QString, resource);
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QFETCH(int, minColours);
    QImageReader reader(resource);
    QCOMPARE(reader.format(), format);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
    // A picture, not a blank: many distinct colours.
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    QVERIFY2(colours.size() > minColours, qPrintable(QString::number(colours.size())));
}

void TestPictures::picturesStretchOverTheirPlaces_data()
{
    QTest::addColumn<QString>("resource");
    QTest::newRow("Image1") << ":/image1.jpg";
    QTest::newRow("Image2") << ":/image2.jpg";
}

void TestPictures::picturesStretchOverTheirPlaces()
{
    QFETCH(QString, resource);
    Form4 window;
    const auto *picture = window.findChild<QLabel *>(QTest::currentDataTag());
    QVERIFY(picture);
    QVERIFY(picture->hasScaledContents());
    const QImage shown = picture->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, QImage(resource).convertToFormat(QImage::Format_RGB32));
    QVERIFY(picture->size() != shown.size());
}

void TestPictures::applicationNamesItself()
{
    setUpApplicationIdentity();
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.00"));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("com.example.irgcalc"));
    const QIcon icon = QGuiApplication::windowIcon();
    QVERIFY(!icon.isNull());
    QVERIFY(icon.availableSizes().contains(QSize(48, 48)));
    Form4 window;
    QVERIFY(!window.windowIcon().isNull());
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
