#include "form4_fixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QClipboard>
#include <QDesktopServices>
#include <QPushButton>
#include <QSignalSpy>
#include <QUrl>

#include <vector>

namespace {

std::vector<QAccessibleInterface *> accessibleTree(QAccessibleInterface *root)
{
    std::vector<QAccessibleInterface *> all{root};
    for (std::size_t i = 0; i < all.size(); ++i) {
        for (int c = 0; c < all[i]->childCount(); ++c) {
            if (QAccessibleInterface *child = all[i]->child(c))
                all.push_back(child);
        }
    }
    return all;
}

QStringList focusedInTree(const ShownForm4 &form)
{
    QStringList focused;
    for (QAccessibleInterface *node : accessibleTree(QAccessible::queryAccessibleInterface(form.window.get()))) {
        if (node->state().focused && node->object())
            focused << node->object()->objectName();
    }
    return focused;
}

} // namespace

// Catches the pages the link buttons ask the desktop for.
class PageCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened << url; }
};

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyControlIsNamed_data();
    void everyControlIsNamed();
    void treeMirrorsTheWindow();
    void statesTellWhatCanBeDone_data();
    void statesTellWhatCanBeDone();
    void resultIsReadAloud();
    void pressActionClicks_data();
    void pressActionClicks();
    void keyboardAlone_data();
    void keyboardAlone();
    void focusIsAnnouncedInTabOrder();

private:
    PageCatcher pages;
};

void TestAccessibility::initTestCase()
{
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &pages, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &pages, "open");
}

void TestAccessibility::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void TestAccessibility::everyControlIsNamed_data()
{
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("described");

    QTest::newRow("Text18") << QAccessible::EditableText << "Mensuel" << true;
    QTest::newRow("Text1") << QAccessible::EditableText << "IRG" << true;
    QTest::newRow("Command1") << QAccessible::Button << QStringLiteral(u"نسخ") << true;
    QTest::newRow("Command5") << QAccessible::Button << QStringLiteral(u"الموقع") << true;
    QTest::newRow("Command2") << QAccessible::Button
                              << QStringLiteral(u"لاستفساراتكم واقتراحاتكم") << true;
    QTest::newRow("Label26") << QAccessible::StaticText << "Mensuel :" << false;
    QTest::newRow("Label1") << QAccessible::StaticText << "IRG :" << false;
    QTest::newRow("Label3") << QAccessible::StaticText << QStringLiteral(u"برمجة: فريق حاسبة IRG")
                            << false;
    QTest::newRow("Label4") << QAccessible::StaticText << "contact@example.com" << false;
    QTest::newRow("Image2") << QAccessible::Graphic << QStringLiteral(u"جدول IRG الشهري لسنة 2008")
                            << true;
    QTest::newRow("Image1") << QAccessible::Graphic << QStringLiteral(u"رسم توضيحي") << true;
}

void TestAccessibility::everyControlIsNamed()
{
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    QFETCH(bool, described);
    ShownForm4 form;
    QWidget *control = form.find(QTest::currentDataTag());
    QVERIFY(control);
    QAccessibleInterface *node = QAccessible::queryAccessibleInterface(control);
    QVERIFY(node && node->isValid());
    QCOMPARE(node->role(), role);
    QCOMPARE(node->text(QAccessible::Name), name);
    const QString description = node->text(QAccessible::Description);
    QCOMPARE(!description.isEmpty(), described);
    QVERIFY(!node->state().invisible);
}

// A screen reader walks down from the window: every control must be reachable that way, and
// every node on the way but the captionless frames must say what it is.
void TestAccessibility::treeMirrorsTheWindow()
{
    ShownForm4 form;
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(form.window.get());
    QVERIFY(root);
    QCOMPARE(root->role(), QAccessible::Client);
    QCOMPARE(root->text(QAccessible::Name), form.window->windowTitle());

    QStringList reached;
    for (QAccessibleInterface *node : accessibleTree(root)) {
        QObject *object = node->object();
        QVERIFY(object);
        reached << object->objectName();
        if (node != root) {
            QAccessibleInterface *parent = node->parent();
            QVERIFY(parent);
            QCOMPARE(parent->object(), object->parent());
            QCOMPARE(parent->indexOfChild(node) >= 0, true);
        }
        if (node->role() == QAccessible::Grouping)
            continue;
        QVERIFY2(!node->text(QAccessible::Name).trimmed().isEmpty(),
                 qPrintable(object->objectName() + QStringLiteral(" has no name")));
    }
    reached.sort();
    QStringList expected{"Form4", "Frame3", "Command5", "Command2", "Label4", "Label3",
                         "Frame8", "Text18", "Label26", "Frame1", "Command1", "Text1",
                         "Label1", "Image1", "Image2"};
    expected.sort();
    QCOMPARE(reached, expected);
}

void TestAccessibility::statesTellWhatCanBeDone_data()
{
    QTest::addColumn<bool>("focusable");
    QTest::addColumn<bool>("readOnly");

    QTest::newRow("Text18") << true << false;
    QTest::newRow("Text1") << true << true;
    QTest::newRow("Command1") << true << false;
    QTest::newRow("Command5") << true << false;
    QTest::newRow("Command2") << true << false;
    QTest::newRow("Label26") << false << true;
    QTest::newRow("Image2") << false << true;
}

void TestAccessibility::statesTellWhatCanBeDone()
{
    QFETCH(bool, focusable);
    QFETCH(bool, readOnly);
    ShownForm4 form;
    const QAccessible::State state =
        QAccessible::queryAccessibleInterface(form.find(QTest::currentDataTag()))->state();
    QCOMPARE(bool(state.focusable), focusable);
    QCOMPARE(bool(state.readOnly), readOnly);
    QVERIFY(!state.disabled);
}

// What a reader hears when it reads the result field: the tax just computed.
void TestAccessibility::resultIsReadAloud()
{
    ShownForm4 form;
    typeInto(form.amount(), QStringLiteral("35000"));
    QAccessibleInterface *result = QAccessible::queryAccessibleInterface(form.result());
    QAccessibleTextInterface *text = result->textInterface();
    QVERIFY(text);
    QCOMPARE(text->text(0, text->characterCount()), QStringLiteral("4000.00"));
    QCOMPARE(result->text(QAccessible::Value), QStringLiteral("4000.00"));
    QCOMPARE(result->text(QAccessible::Name), QStringLiteral("IRG"));
}

void TestAccessibility::pressActionClicks_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<int>("pages");

    QTest::newRow("Command1") << "4000.00" << 0;
    QTest::newRow("Command5") << "" << 1;
    QTest::newRow("Command2") << "" << 1;
}

// A screen reader presses buttons through their action, not with the mouse.
void TestAccessibility::pressActionClicks()
{
    QFETCH(QString, clipboard);
    QFETCH(int, pages);
    QGuiApplication::clipboard()->clear();
    this->pages.opened.clear();
    ShownForm4 form;
    typeInto(form.amount(), QStringLiteral("35000"));
    auto *button = form.find<QPushButton>(QTest::currentDataTag());
    QSignalSpy clicks(button, &QPushButton::clicked);
    QAccessibleActionInterface *actions =
        QAccessible::queryAccessibleInterface(button)->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    // The press is animated: the click follows a moment later.
    QTRY_COMPARE(clicks.count(), 1);
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    QCOMPARE(this->pages.opened.size(), pages);
}

void TestAccessibility::keyboardAlone_data()
{
    QTest::addColumn<int>("tabs");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("button");

    const Qt::KeyboardModifiers none;
    QTest::newRow("Tab, Enter on Command1") << 1 << Qt::Key_Return << none << "Command1";
    QTest::newRow("Tab, Space on Command1") << 1 << Qt::Key_Space << none << "Command1";
    QTest::newRow("Tab, keypad Enter on Command1")
        << 1 << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier) << "Command1";
    QTest::newRow("2 Tabs, Enter on Command5") << 2 << Qt::Key_Return << none << "Command5";
    QTest::newRow("2 Tabs, Space on Command5") << 2 << Qt::Key_Space << none << "Command5";
    QTest::newRow("3 Tabs, Enter on Command2") << 3 << Qt::Key_Return << none << "Command2";
    QTest::newRow("3 Tabs, Space on Command2") << 3 << Qt::Key_Space << none << "Command2";
    QTest::newRow("Shift+Tab, Enter on Command2") << -1 << Qt::Key_Return << none << "Command2";
    QTest::newRow("2 Shift+Tabs, Space on Command5")
        << -2 << Qt::Key_Space << none << "Command5";
    QTest::newRow("Enter in the amount clicks nothing") << 0 << Qt::Key_Return << none << "";
    QTest::newRow("Space in the amount clicks nothing") << 0 << Qt::Key_Space << none << "";
}

// Everything the window offers, reached and pressed with the keyboard only.
void TestAccessibility::keyboardAlone()
{
    QFETCH(int, tabs);
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, button);
    QGuiApplication::clipboard()->clear();
    this->pages.opened.clear();
    ShownForm4 form;
    typeInto(form.amount(), QStringLiteral("35000"));

    std::vector<std::unique_ptr<QSignalSpy>> clicks;
    const QStringList buttons{"Command1", "Command5", "Command2"};
    for (const QString &name : buttons)
        clicks.push_back(std::make_unique<QSignalSpy>(form.find<QPushButton>(qPrintable(name)),
                                                      &QPushButton::clicked));
    for (int i = 0; i < qAbs(tabs); ++i) {
        if (tabs > 0)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), button.isEmpty() ? "Text18" : button);
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);

    for (qsizetype i = 0; i < buttons.size(); ++i)
        QCOMPARE(clicks[i]->count(), buttons[i] == button ? 1 : 0);
    QCOMPARE(form.amount()->text(), QStringLiteral("35000"));
    QCOMPARE(form.result()->text(), QStringLiteral("4000.00"));
    QCOMPARE(QGuiApplication::clipboard()->text(),
             button == "Command1" ? QStringLiteral("4000.00") : QString());
    QCOMPARE(this->pages.opened.size(), button == "Command5" || button == "Command2" ? 1 : 0);
}

// The reader learns where the focus went from the tree's focused state: exactly one node.
void TestAccessibility::focusIsAnnouncedInTabOrder()
{
    ShownForm4 form;
    QCOMPARE(focusedInTree(form), QStringList{"Text18"});
    for (const char *next : {"Command1", "Command5", "Command2", "Text18"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focusedInTree(form), QStringList{next});
    }
    for (const char *previous : {"Command2", "Command5", "Command1", "Text18"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focusedInTree(form), QStringList{previous});
    }
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
