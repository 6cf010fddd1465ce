#include "mapped_files.h"
#include "resources/pictures.h"
#include "ui/app_identity.h"
#include "ui/form4.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QPixmapCache>
#include <QTest>

class TestPictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void picturesLoadAtTheirSize_data();
    void picturesLoadAtTheirSize();
    void picturesStretchOverTheirPlaces_data();
    void picturesStretchOverTheirPlaces();
    void applicationNamesItself();
    void iconIsTheStoredOne();
    void framesHaveFusionsBorder_data();
    void framesHaveFusionsBorder();
};

namespace {

// The pictures as stored, made beside the program at build time.
QString made(const char *file)
{
    return QDir(QStringLiteral(IRGCALC_MADE_DIR)).filePath(QLatin1String(file));
}

} // namespace

// Before anything here reads a picture file: the window, its pictures, its icon and its
// frames' borders come up and are drawn without a single image plugin or decoder library.
void TestPictures::initTestCase()
{
    setUpApplicationIdentity();
    Form4 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!window.grab().isNull());
    QVERIFY(!QGuiApplication::windowIcon().pixmap(48).isNull());
    QCOMPARE(mappedFiles({"/imageformats/", "/iconengines/", "libjpeg", "libQt6Svg"}),
             QStringList());
}

void TestPictures::picturesLoadAtTheirSize_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("minColours");

    QTest::newRow("illustration") << made("image1.jpg") << QByteArray("jpeg") << QSize(259, 194) << 50;
    QTest::newRow("reference table") << made("image2.jpg") << QByteArray("jpeg") << QSize(259, 194) << 50;
    QTest::newRow("icon") << made("irgcalc-48.png") << QByteArray("png") << QSize(48, 48) << 10;
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
    QTest::addColumn<QSize>("placed");
    QTest::newRow("Image1") << made("image1.jpg")
                            << QSize(pictures::image1Placed.width, pictures::image1Placed.height);
    QTest::newRow("Image2") << made("image2.jpg")
                            << QSize(pictures::image2Placed.width, pictures::image2Placed.height);
}

void TestPictures::picturesStretchOverTheirPlaces()
{
    QFETCH(QString, resource);
    QFETCH(QSize, placed);
    Form4 window;
    auto *picture = window.findChild<QLabel *>(QTest::currentDataTag());
    QVERIFY(picture);
    QVERIFY(picture->hasScaledContents());
    const QImage shown = picture->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    // Exactly the stored picture as a viewer decodes it.
    QCOMPARE(shown, QImage(resource).convertToFormat(QImage::Format_RGB32));
    QVERIFY(picture->size() != shown.size());
    // The copy scaled at build time fits the place the window gives it, or it is never used.
    QCOMPARE(picture->contentsRect().size(), placed);
    // And drawn as a stretching QLabel draws it.
    QLabel plain;
    plain.setScaledContents(true);
    plain.setPixmap(picture->pixmap());
    plain.resize(picture->size());
    QCOMPARE(picture->grab().toImage().convertToFormat(QImage::Format_RGB32),
             plain.grab().toImage().convertToFormat(QImage::Format_RGB32));
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

void TestPictures::iconIsTheStoredOne()
{
    setUpApplicationIdentity();
    const QImage shown = QGuiApplication::windowIcon().pixmap(QSize(48, 48)).toImage();
    QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32),
             QImage(made("irgcalc-48.png")).convertToFormat(QImage::Format_ARGB32));
}

void TestPictures::framesHaveFusionsBorder_data()
{
    QTest::addColumn<int>("unused");
    for (const char *name : {"Frame8", "Frame1", "Frame3"})
        QTest::newRow(name) << 0;
}

// The border put in the cache at start is the one Fusion reads for itself.
void TestPictures::framesHaveFusionsBorder()
{
    Form4 window;
    QWidget *frame = window.findChild<QWidget *>(QLatin1String(QTest::currentDataTag()));
    QVERIFY(frame);
    const QImage cached = frame->grab().toImage();
    QPixmapCache::clear();
    QCOMPARE(frame->grab().toImage(), cached);
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
