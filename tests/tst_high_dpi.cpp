#include "form4_fixture.h"

#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTemporaryDir>

// Runs at QT_SCALE_FACTOR=2 (set by ctest): two device pixels to the designed pixel.
class TestHighDpi : public QObject
{
    Q_OBJECT

private slots:
    void windowIsDrawnAtTwiceTheResolution();
    void layoutIsTheOneAtNormalScale();
    void textsFit_data();
    void textsFit();
    void picturesFillTheirPlaces_data();
    void picturesFillTheirPlaces();
    void layoutDump();
};

namespace {

// Every widget's name and geometry, one a line, in creation order.
QByteArray layoutOf(const Form4 &window)
{
    QByteArray lines;
    for (const QWidget *control : window.findChildren<QWidget *>()) {
        if (control->objectName().isEmpty() || control->objectName().startsWith(u"qt_"))
            continue;
        const QRect g = control->geometry();
        lines += QStringLiteral("%1 %2 %3 %4 %5\n")
                     .arg(control->objectName()).arg(g.x()).arg(g.y()).arg(g.width())
                     .arg(g.height()).toUtf8();
    }
    return lines;
}

} // namespace

void TestHighDpi::windowIsDrawnAtTwiceTheResolution()
{
    ShownForm4 form;
    QCOMPARE(form.window->devicePixelRatio(), 2.0);
    QCOMPARE(form.window->screen()->devicePixelRatio(), 2.0);
    QCOMPARE(form.window->size(), QSize(595, 264));
    QCOMPARE(form.window->minimumSize(), form.window->maximumSize());
    const QPixmap drawn = form.window->grab();
    QCOMPARE(drawn.devicePixelRatio(), 2.0);
    QCOMPARE(drawn.size(), QSize(1190, 528));
}

// The same binary at scale 1 writes its layout; the logical layout at scale 2 must match.
void TestHighDpi::layoutIsTheOneAtNormalScale()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString dump = dir.filePath(QStringLiteral("layout.txt"));
    QProcess normal;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("1"));
    environment.insert(QStringLiteral("IRG_LAYOUT_DUMP"), dump);
    normal.setProcessEnvironment(environment);
    normal.start(QCoreApplication::applicationFilePath(), {QStringLiteral("layoutDump")});
    QVERIFY(normal.waitForFinished(60000));
    QVERIFY2(normal.exitCode() == 0, normal.readAllStandardOutput().constData());
    QFile file(dump);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray atNormalScale = file.readAll();
    QVERIFY(atNormalScale.count('\n') >= 14);

    ShownForm4 form;
    QCOMPARE(layoutOf(*form.window), atNormalScale);
}

void TestHighDpi::textsFit_data()
{
    QTest::addColumn<QString>("text");

    for (const char *name : {"Command5", "Command2", "Command1", "Label1", "Label3", "Label4",
                             "Label26"})
        QTest::newRow(name) << QString();
    // The widest amount a user types for a month, and its tax.
    QTest::newRow("Text18") << QStringLiteral("99999999.99");
    QTest::newRow("Text1") << Form4::irg(99999999.99);
}

// Fonts are hinted at device pixels, so widths may round differently from scale 1.
void TestHighDpi::textsFit()
{
    QFETCH(QString, text);
    ShownForm4 form;
    QWidget *control = form.find(QTest::currentDataTag());
    QVERIFY(control);
    const ShownText shown = shownTextOf(control, text);
    text = shown.text;
    const QRect room = shown.room;
    QVERIFY(!text.isEmpty());
    const QFontMetrics metrics = control->fontMetrics();
    QVERIFY2(metrics.horizontalAdvance(text) <= room.width(),
             qPrintable(QStringLiteral("%1 px wide in %2").arg(metrics.horizontalAdvance(text))
                            .arg(room.width())));
    QVERIFY2(metrics.tightBoundingRect(text).height() <= room.height(),
             qPrintable(QStringLiteral("%1 px high in %2")
                            .arg(metrics.tightBoundingRect(text).height()).arg(room.height())));
    // Nothing may stand out of the frame that holds it.
    QVERIFY(control->parentWidget()->rect().contains(control->geometry()));
}

void TestHighDpi::picturesFillTheirPlaces_data()
{
    QTest::addColumn<QSize>("devicePixels");
    QTest::newRow("Image1") << QSize(550, 242);
    QTest::newRow("Image2") << QSize(550, 258);
}

// A stretched picture must cover its place at device resolution, corners included.
void TestHighDpi::picturesFillTheirPlaces()
{
    QFETCH(QSize, devicePixels);
    ShownForm4 form;
    auto *picture = form.find<QLabel>(QTest::currentDataTag());
    QVERIFY(picture && !picture->pixmap().isNull());
    const QImage drawn = picture->grab().toImage();
    QCOMPARE(drawn.size(), devicePixels);
    const QColor background = form.window->palette().color(QPalette::Window);
    int painted = 0;
    for (const QPoint corner : {QPoint(1, 1), QPoint(drawn.width() - 2, 1),
                                QPoint(1, drawn.height() - 2),
                                QPoint(drawn.width() - 2, drawn.height() - 2)})
        painted += drawn.pixelColor(corner) != background;
    QVERIFY2(painted >= 3, qPrintable(QString::number(painted)));
}

// Not a check of its own: the child run of layoutIsTheOneAtNormalScale.
void TestHighDpi::layoutDump()
{
    const QString path = qEnvironmentVariable("IRG_LAYOUT_DUMP");
    if (path.isEmpty())
        QSKIP("only run by layoutIsTheOneAtNormalScale");
    ShownForm4 form;
    QCOMPARE(form.window->devicePixelRatio(), 1.0);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(layoutOf(*form.window));
}

QTEST_MAIN(TestHighDpi)
#include "tst_high_dpi.moc"
