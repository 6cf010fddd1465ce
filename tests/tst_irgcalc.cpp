// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tax/monthly_irg.h"
#include "ui/amount_text.h"
#include "ui/app_identity.h"
#include "ui/captions.h"
#include "ui/form4.h"
#include "ui/window_place.h"

#include <QAccessible>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTest>

#include <algorithm>
#include <cfloat>
#include <memory>

class TestIrgcalc : public QObject
{
    Q_OBJECT

    std::unique_ptr<Form4> window;

private slots:
    void initTestCase() { setUpApplicationIdentity(); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void init()
    {
        window = std::make_unique<Form4>();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    // The 2008 scale told another way: 20 % from 10000 to 30000 and 30 % above, less 40 % of
    // that held between 1000 and 1500, and 35 % above 120000.
    void matchesBracketStatement()
    {
        for (int x = 0; x <= 2000000; x += 10) {
            const double gross =
                0.2 * std::clamp(x - 10000, 0, 20000) + 0.3 * std::clamp(x - 30000, 0, 90000);
            const double tax = std::max(gross - std::clamp(0.4 * gross, 1000.0, 1500.0), 0.0)
                + 0.35 * std::max(x - 120000, 0);
            if (std::abs(tax::monthlyIrg(x) - tax) > 1e-9 * tax)
                QFAIL(qPrintable(QString::number(x)));
        }
    }

    void amountEntry_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("keys"); // typed a key a character; \b is Backspace
        QTest::addColumn<QString>("text"); // on the clipboard; or brought whole by one key
        QTest::addColumn<QString>("then"); // a paste, a composed key or an input method's commit
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("result"); // and what the copy button then copies
        const char *const rows[][7] = {
            {"back to nothing", "C", "35000\b\b\b\b\b", "", "", "", "0.00"},
            {"nothing else", "C", "-+, x\r", "stale", "", "", ""},
            {"composed", "C", "3500", "0a", "key", "35000", "4000.00"},
            {"input method", "C", "", "3a5b000.7z", "commit", "35000.7", "4000.00"},
            {"paste -5", "C", "35000", "-5", "paste", "-5", "0.00"},
            {"fraction", "C", "", "15019.99", "paste", "15019.99", "2.00"},
            {"ar_DZ point", "ar_DZ", "", "35.000", "paste", "35.000", "0,00"},
            {"Arabic marks", "fr_FR", "", "1٬200٬001٫5", "paste", "1٬200٬001٫5", "407500,00"},
            {"group out of place", "C", "35000", "3,50,000", "paste", "3,50,000", "4000.00"},
            {"short group", "C", "35000", "35,00", "paste", "35,00", "4000.00"},
            {"two lines", "C", "35000", "350\n120", "paste", "350\n120", "4000.00"},
            {"two signs", "C", "35000", "DA 120000 DZD", "paste", "DA 120000 DZD", "4000.00"},
            {"minus apart", "C", "35000", "DA - 5", "paste", "DA - 5", "4000.00"},
            {"override", "C", "35000", "\u202E000021", "paste", "\u202E000021", "4000.00"},
            {"superscript", "C", "35000", "35000²", "paste", "35000²", "4000.00"},
            {"point groups", "fr_FR", "35000", "3500.000,00", "paste", "3500.000,00", "4000,00"},
            {"comma alone", "fr_FR", "35000", "120.000,", "paste", "120.000,", "4000,00"},
        };
        for (const auto &[name, locale, keys, text, then, amount, result] : rows)
            QTest::newRow(name) << locale << keys << text << then << amount << result;
        const QString beyond = QString::number(DBL_MAX, 'f', 0) + '0';
        QTest::newRow("beyond") << "C" << QString() << beyond << "paste" << beyond << QString();
    }

    void amountEntry()
    {
        QFETCH(QString, locale);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(QString, then);
        QLocale::setDefault(QLocale(locale));
        QGuiApplication::clipboard()->setText(text);
        QLineEdit *amount = window->findChild<QLineEdit *>("Text18");
        QTest::keyClicks(amount, keys);
        if (then == "paste") {
            amount->selectAll();
            amount->paste();
        } else if (then == "key") {
            QTest::sendKeyEvent(QTest::Click, amount, Qt::Key_unknown, text, {});
        } else if (then == "commit") {
            QInputMethodEvent commit;
            commit.setCommitString(text);
            QCoreApplication::sendEvent(amount, &commit);
        }
        QTEST(amount->text(), "amount");
        QTEST(window->findChild<QLineEdit *>("Text1")->text(), "result");
        QTest::mouseClick(window->findChild<QPushButton *>("Command1"), Qt::LeftButton);
        QTEST(QGuiApplication::clipboard()->text(), "result");
    }

    // Any amount, as a locale of Latin or Arabic-Indic digits in threes writes it, reads back.
    void amountsAsLocalesWriteThem()
    {
        const QStringList signs = {"\r\n", "DA", " ｄzd ", "د.ج\t", "\u202Fد.ج. ", "\uFEA9\uFE9D"};
        const QStringList marks = {"\u200F", "\u061C\u200E", "\u202B", "\u2067", "\u2069\u202C"};
        QRandomGenerator random(45);
        const auto any = [&](const QStringList &of) { return of[random.bounded(int(of.size()))]; };
        for (const QLocale &locale : QLocale::matchingLocales(
                 QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
            if (!QStringList{"0", "٠", "۰"}.contains(locale.zeroDigit())
                || locale.toString(1234567.0, 'f', 0).split(locale.groupSeparator())
                    != QStringList{locale.toString(1), locale.toString(234), locale.toString(567)})
                continue;
            for (int i = 0; i < 50; ++i) {
                const double amount = random.bounded(quint64(1) << random.bounded(50)) / 100.;
                const QString figure = locale.toString(amount, 'f', 2), sign = any(signs);
                QString text = random.bounded(2) ? sign + figure : figure + sign;
                text.insert(random.bounded(text.size() + 1), any(marks));
                QVERIFY2(amountFromText(text, locale) == amount,
                         qPrintable(locale.bcp47Name() + ": " + text));
            }
        }
    }

    // Each caption has room, in the fonts the window draws with, Arabic fallback included.
    void captionsHaveRoom()
    {
        for (const char *name :
             {"Command5", "Command2", "Label4", "Label3", "Label26", "Command1", "Label1"}) {
            auto *control = window->findChild<QWidget *>(name);
            QStyleOptionButton option;
            option.initFrom(control);
            const QRect room = qobject_cast<QPushButton *>(control)
                ? control->style()->subElementRect(QStyle::SE_PushButtonContents, &option, control)
                : control->contentsRect();
            const QString caption = control->property("text").toString();
            const QSize need(control->fontMetrics().horizontalAdvance(caption),
                             control->fontMetrics().tightBoundingRect(caption).height());
            QVERIFY2(room.width() >= need.width() && room.height() >= need.height(),
                     qPrintable(QString::asprintf("%s needs %dx%d, has %dx%d", name, need.width(),
                                                  need.height(), room.width(), room.height())));
        }
    }

    // Told to a screen reader; drawn from the copy for the density of the window's screen, also
    // after a move to a screen of another scale: the same pixels as that copy, not as the others.
    void picturesFollowTheDensity_data()
    {
        QTest::addColumn<QString>("accessibleName");
        QTest::addColumn<QString>("description");
        QTest::newRow("Image1") << captions::illustrationName()
                                << captions::illustrationDescription();
        QTest::newRow("Image2") << captions::taxTableName() << captions::taxTableDescription();
    }

    void picturesFollowTheDensity()
    {
        const QString name = QTest::currentDataTag();
        auto *picture = window->findChild<QWidget *>(name);
        QAccessibleInterface *image = QAccessible::queryAccessibleInterface(picture);
        QCOMPARE(image->role(), QAccessible::Graphic);
        QTEST(image->text(QAccessible::Name), "accessibleName");
        QTEST(image->text(QAccessible::Description), "description");
        const QMap<qreal, QString> copyAt = {{1, ".jpg"}, {2, "@2x.jpg"}, {4, "@3x.jpg"}};
        const QList<QScreen *> screens = QGuiApplication::screens();
        for (QScreen *screen : {screens.last(), screens.first()}) {
            window->move(screen->geometry().center() - window->rect().center());
            const qreal ratio = screen->devicePixelRatio();
            QTRY_COMPARE(picture->devicePixelRatioF(), ratio);
            const QImage drawn = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
            for (const QString &copy : copyAt) {
                const QString file = ":/" + name.toLower() + copy;
                const QImage made = QImage(file).scaled(drawn.size(), Qt::IgnoreAspectRatio,
                                                        Qt::SmoothTransformation);
                const bool same = drawn == made.convertToFormat(QImage::Format_RGB32);
                const QString seen =
                    QString("drawn at %1 %2 %3").arg(ratio).arg(same ? "is" : "is not", file);
                QVERIFY2(same == (copy == copyAt.value(ratio)), qPrintable(seen));
            }
        }
    }

    // Centred, frame and all, on the primary screen (not the one at the origin), whatever the
    // frame: none (X11's, until the window shows) or Windows' with its tall title bar; fixed; Tab.
    void placeSizeAndTabOrder()
    {
        const QRect inside(0, 0, 595, 264), area(1280, 0, 1280, 800);
        QCOMPARE(centredInside(inside, {}, area).topLeft(), QPoint(1622, 268));
        QCOMPARE(centredInside(inside, {8, 31, 8, 8}, area).topLeft(), QPoint(1622, 279));
        const QScreen *primary = QGuiApplication::primaryScreen();
        const QPoint off = window->frameGeometry().center() - primary->availableGeometry().center();
        QCOMPARE_LE(std::max(std::abs(off.x()), std::abs(off.y())), 1);
        QCOMPARE(window->minimumSize(), QSize(595, 264));
        QCOMPARE(window->maximumSize(), QSize(595, 264));
        for (const char *name : {"Text18", "Command1", "Command5", "Command2", "Text1", "Text18"}) {
            QCOMPARE(window->focusWidget()->objectName(), QLatin1String(name));
            QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        }
    }
};

QTEST_MAIN(TestIrgcalc)
#include "tst_irgcalc.moc"
