#include "form4_fixture.h"
#include "mapped_files.h"

#include <QApplication>
#include <QTest>

// The captions' Arabic letters come from glyphs cut from Amiri at build time; they must draw
// exactly as the installed Amiri draws them, and spare the program loading it.
class TestCaptionFaces : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void captionsDrawAsWithTheInstalledFace_data();
    void captionsDrawAsWithTheInstalledFace();
    void pastedArabicDrawsAsBefore();
};

namespace {

// The window as it was before the cut: every font naming the installed faces only.
void useInstalledFaces(QWidget *window)
{
    const QStringList installed{QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("Amiri")};
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        QFont font = widget->font();
        font.setFamilies(installed);
        widget->setFont(font);
    }
}

} // namespace

// First, before anything here asks for Amiri itself.
void TestCaptionFaces::initTestCase()
{
    ShownForm4 form;
    QVERIFY(!form.window->grab().isNull());
    QCOMPARE(mappedFiles({"Amiri-"}), QStringList());
}

void TestCaptionFaces::captionsDrawAsWithTheInstalledFace_data()
{
    QTest::addColumn<bool>("arabic");
    for (const char *name : {"Command5", "Command2", "Command1", "Label3"})
        QTest::newRow(name) << true;
    for (const char *name : {"Label4", "Label26", "Label1"})
        QTest::newRow(name) << false;
}

void TestCaptionFaces::captionsDrawAsWithTheInstalledFace()
{
    QFETCH(bool, arabic);
    ShownForm4 cut;
    ShownForm4 installed;
    useInstalledFaces(installed.window.get());
    const char *name = QTest::currentDataTag();
    QWidget *control = cut.find(name);
    QCOMPARE(control->property("text").toString().contains(QRegularExpression(QStringLiteral("\\p{Arabic}"))),
             arabic);
    const QImage drawn = control->grab().toImage();
    QCOMPARE(drawn, installed.find(name)->grab().toImage());
    // Not a blank either way: the caption is there.
    QVERIFY(drawn.convertToFormat(QImage::Format_Grayscale8) != QImage(drawn.size(), QImage::Format_Grayscale8));
}

// Arabic pasted into a field, letters no caption uses among them, is drawn by Amiri whole.
void TestCaptionFaces::pastedArabicDrawsAsBefore()
{
    const QString pasted = QStringLiteral(u"ثخذ ضريبة غظ");
    QImage drawn[2];
    for (const bool installedOnly : {false, true}) {
        ShownForm4 form;
        if (installedOnly)
            useInstalledFaces(form.window.get());
        form.amount()->setText(pasted);
        // The caret and the focus frame are not what is compared.
        form.find("Command1")->setFocus();
        drawn[installedOnly] = form.amount()->grab().toImage();
    }
    QCOMPARE(drawn[0], drawn[1]);
}

QTEST_MAIN(TestCaptionFaces)
#include "tst_caption_faces.moc"
