// SPDX-License-Identifier: GPL-3.0-or-later
#include "tax/monthly_irg.h"
#include "ui/form4.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTest>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <memory>

// The root mean square difference in lightness, 0 to 1, of a picture and another made its size.
static double difference(const QImage &picture, const QImage &other)
{
    const QImage one = picture.convertToFormat(QImage::Format_Grayscale8);
    const QImage two = other.scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                           .convertToFormat(QImage::Format_Grayscale8);
    double squares = 0;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x)
            squares += std::pow(one.scanLine(y)[x] - two.scanLine(y)[x], 2);
    }
    return std::sqrt(squares / (one.width() * one.height())) / 255;
}

class TestIrgcalc : public QObject
{
    Q_OBJECT

    std::unique_ptr<Form4> window;

private slots:
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
            {"35000", "C", "35000", "", "", "35000", "4000.00"},
            {"back to nothing", "C", "35000\b\b\b\b\b", "", "", "", "0.00"},
            {"120000 then 1", "C", "1200001", "", "", "1200001", "407500.00"},
            {"1.2.3", "C", "1.2.3", "", "", "1.2.3", "0.00"},
            {"nothing else", "C", "-+, x\r", "stale", "", "", ""},
            {"composed", "C", "3500", "0a", "key", "35000", "4000.00"},
            {"input method", "C", "", "3a5b000.7z", "commit", "35000.7", "4000.00"},
            {"paste -5", "C", "35000", "-5", "paste", "-5", "0.00"},
            {"paste a word", "C", "35000", "salaire", "paste", "salaire", "4000.00"},
            {"fraction", "C", "", "15019.99", "paste", "15019.99", "2.00"},
            {"ceiling", "C", "", "120000.5", "paste", "120000.5", "29500.00"},
            {"fr_FR comma", "fr_FR", "", "22510,5", "paste", "22510,5", "1501,20"},
            {"fr_FR point", "fr_FR", "", "120000.5", "paste", "120000.5", "29500,00"},
            {"ar_DZ", "ar_DZ", "35000", "", "", "35000", "4000,00"},
            {"ar_SA", "ar_SA", "", "1200001٫5", "paste", "1200001٫5", "407500٫00"},
        };
        for (const auto &[name, locale, keys, text, then, amount, result] : rows)
            QTest::newRow(name) << locale << keys << text << then << amount << result;
        const QString largest = QString::number(DBL_MAX, 'f', 0), beyond = largest + '0';
        QTest::newRow("largest") << "C" << QString() << largest << "paste" << largest
                                 << QString::number(0.35 * DBL_MAX, 'f', 2);
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

    // Each caption has room, in the fonts the window draws with, Arabic fallback included.
    void captionsHaveRoom_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name :
             {"Command5", "Command2", "Label4", "Label3", "Label26", "Command1", "Label1"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void captionsHaveRoom()
    {
        QFETCH(QString, name);
        auto *control = window->findChild<QWidget *>(name);
        auto *button = qobject_cast<QPushButton *>(control);
        QStyleOptionButton option;
        option.initFrom(control);
        const QRect room = button
            ? control->style()->subElementRect(QStyle::SE_PushButtonContents, &option, control)
            : control->contentsRect();
        const QString caption = button ? button->text() : qobject_cast<QLabel *>(control)->text();
        QCOMPARE_LE(control->fontMetrics().horizontalAdvance(caption), room.width());
        QCOMPARE_LE(control->fontMetrics().tightBoundingRect(caption).height(), room.height());
    }

    // Drawn from the copy for the density of the window's screen, also after a move to a screen
    // of another scale. Each copy is the picture as designed, only sharper: brought to its place's
    // size, it differs from the 1x picture there by finer detail alone.
    void picturesFollowTheDensity()
    {
        const QList<QScreen *> screens = QGuiApplication::screens();
        QCOMPARE(screens.last()->devicePixelRatio(), 2 * screens.first()->devicePixelRatio());
        for (QScreen *screen : {screens.last(), screens.first()}) {
            window->move(screen->geometry().center() - window->rect().center());
            const qreal ratio = screen->devicePixelRatio();
            const QString copy = ratio > 2 ? "@3x.jpg" : ratio > 1 ? "@2x.jpg" : ".jpg";
            for (const char *name : {"Image1", "Image2"}) {
                auto *picture = window->findChild<QWidget *>(name);
                QTRY_COMPARE(picture->devicePixelRatioF(), ratio);
                const QImage drawn = picture->grab().toImage();
                const QString file = ":/" + QString(name).toLower();
                QCOMPARE_LE(difference(drawn, QImage(file + copy)), 0.01);
                const QImage atPlace =
                    drawn.scaled(picture->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                QCOMPARE_LE(difference(atPlace, QImage(file + ".jpg")), 0.06);
            }
        }
    }

    // Centred, frame and all, on the primary screen (not the one at the origin); fixed; Tab order.
    void placeSizeAndTabOrder()
    {
        const QScreen *primary = QGuiApplication::primaryScreen();
        QCOMPARE_NE(QGuiApplication::screenAt({0, 0}), primary);
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
