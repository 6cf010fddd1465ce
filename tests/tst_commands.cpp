#include "form4_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QPushButton>
#include <QTemporaryDir>
#include <QUrl>

// Stands in for the desktop's web-address handler and keeps every request it gets.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls.append(url); }
};

class TestCommands : public QObject
{
    Q_OBJECT

private slots:
    void copyPutsShownTaxOnClipboard_data();
    void copyPutsShownTaxOnClipboard();
    void linkButtonsAskDesktopOncePerClick_data();
    void linkButtonsAskDesktopOncePerClick();
    void unopenableLinkChangesNothing();
};

void TestCommands::copyPutsShownTaxOnClipboard_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("emptyFieldByCode");
    QTest::addColumn<QString>("copied");

    QTest::newRow("before any amount") << "C" << "" << false << "";
    QTest::newRow("35000") << "C" << "35000" << false << "4000.00";
    QTest::newRow("after emptying the field") << "C" << "35000" << true << "4000.00";
    QTest::newRow("after backspacing to empty") << "C" << "35000\b\b\b\b\b" << false << "0.00";
    QTest::newRow("fr_FR") << "fr_FR" << "35000" << false << "4000,00";
    QTest::newRow("ar_DZ") << "ar_DZ" << "35000" << false << "4000,00";
}

void TestCommands::copyPutsShownTaxOnClipboard()
{
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(bool, emptyFieldByCode);
    QFETCH(QString, copied);
    QLocale::setDefault(QLocale(locale));
    QGuiApplication::clipboard()->setText(QStringLiteral("stale"));
    ShownForm4 form;
    typeInto(form.amount(), typed);
    if (emptyFieldByCode)
        form.amount()->clear();
    QTest::mouseClick(form.find<QPushButton>("Command1"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    QCOMPARE(form.result()->text(), copied);
    QLocale::setDefault(QLocale::c());
}

void TestCommands::linkButtonsAskDesktopOncePerClick_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QUrl>("url");

    const QUrl contact(QStringLiteral("http://" IRGCALC_SITE_HOST "/new/contacte.php"));
    const QUrl home(QStringLiteral("http://" IRGCALC_SITE_HOST "/"));
    QTest::newRow("contact page") << "Command2" << 1 << contact;
    QTest::newRow("contact page twice") << "Command2" << 2 << contact;
    QTest::newRow("home page") << "Command5" << 1 << home;
    QTest::newRow("home page three times") << "Command5" << 3 << home;
}

void TestCommands::linkButtonsAskDesktopOncePerClick()
{
    QFETCH(QString, button);
    QFETCH(int, clicks);
    QFETCH(QUrl, url);
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
    ShownForm4 form;
    QTest::keyClicks(form.amount(), QStringLiteral("35000"));
    for (int i = 0; i < clicks; ++i)
        QTest::mouseClick(form.find<QPushButton>(qPrintable(button)), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QCOMPARE(catcher.urls, QList<QUrl>(clicks, url));
    QCOMPARE(form.result()->text(), QStringLiteral("4000.00"));
}

// With no web-address handler at all, a click ends silently: no message, nothing changed.
void TestCommands::unopenableLinkChangesNothing()
{
    QTemporaryDir emptyDir;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", emptyDir.path().toLocal8Bit());
    qunsetenv("BROWSER");
    ShownForm4 form;
    QTest::keyClicks(form.amount(), QStringLiteral("35000"));
    const int windows = QApplication::topLevelWidgets().size();
    for (const char *name : {"Command2", "Command5"})
        QTest::mouseClick(form.find<QPushButton>(name), Qt::LeftButton);
    qputenv("PATH", path);
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(form.amount()->text(), QStringLiteral("35000"));
    QCOMPARE(form.result()->text(), QStringLiteral("4000.00"));
}

QTEST_MAIN(TestCommands)
#include "tst_commands.moc"
