#include "form4_fixture.h"
#include "mapped_files.h"
#include "ui/window_style.h"

#include <QApplication>
#include <QFileInfo>
#include <QMenu>
#include <QTest>

#include <memory>

// The captions come from glyphs cut from Liberation Sans and Amiri at build time; they must
// draw exactly as the installed faces draw them, and spare the program loading those faces.
class TestCaptionFaces : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void captionsDrawAsWithTheInstalledFace_data();
    void captionsDrawAsWithTheInstalledFace();
    void pastedArabicDrawsAsBefore();
    void fieldMenuKeepsItsFont();

private:
    QFont m_menuFont; // a menu's font before the program set its default
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

// First, before anything here asks for the installed faces: the window as the program starts
// it loads one of them, the face its empty fields are laid out in.
void TestCaptionFaces::initTestCase()
{
    m_menuFont = QMenu().font();
    window_style::makeFieldFontTheDefault();
    ShownForm4 form;
    QVERIFY(!form.window->grab().isNull());
    QStringList faces;
    for (const QString &file : mappedFiles({".ttf", ".otf"}))
        faces.append(QFileInfo(file).fileName());
    QCOMPARE(faces, QStringList{QStringLiteral("LiberationSans-Bold.ttf")});
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

// The fields' font is the program's default font, but the fields' menu keeps the one it had.
void TestCaptionFaces::fieldMenuKeepsItsFont()
{
    ShownForm4 form;
    const std::unique_ptr<QMenu> menu(form.amount()->createStandardContextMenu());
    QVERIFY(!menu->actions().isEmpty());
    menu->popup(form.amount()->mapToGlobal(QPoint(10, 10)));
    QVERIFY(QTest::qWaitForWindowExposed(menu.get()));
    QCOMPARE(QGuiApplication::font().families(), form.amount()->font().families());
    QCOMPARE(menu->font(), m_menuFont);
    QVERIFY(menu->font() != form.amount()->font());
}

QTEST_MAIN(TestCaptionFaces)
#include "tst_caption_faces.moc"
