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
#include <QWindow>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <memory>

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

    // The filter that no control uses: the amount field's rule, without the point.
    void digitsFilter()
    {
        for (const char code : "09/:\b.a\x16") // and the final 0; \x16 is Ctrl+V
            QCOMPARE(Form4::gWriteOnleNumber1(code),
                     code == '.' ? 0 : Form4::gWriteOnleNumber(code));
    }

    void amountEntry_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("keys"); // typed a key a character; \b is Backspace
        QTest::addColumn<QString>("text"); // on the clipboard; or brought whole by one key
        QTest::addColumn<QString>("then"); // Ctrl+V, a paste over the amount, or a composed key
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("result"); // and what the copy button then copies
        const char *const rows[][7] = {
            {"35000", "C", "35000", "", "", "35000", "4000.00"},
            {"back to nothing", "C", "35000\b\b\b\b\b", "", "", "", "0.00"},
            {"120000 then 1", "C", "1200001", "", "", "1200001", "407500.00"},
            {"1.2.3", "C", "1.2.3", "", "", "1.2.3", "0.00"},
            {"nothing else", "C", "-+, x\r", "stale", "", "", ""},
            {"Ctrl+V", "C", "35000", "777", "Ctrl+V", "35000", "4000.00"},
            {"composed", "C", "3500", "0a", "key", "35000", "4000.00"},
            {"paste -5", "C", "35000", "-5", "paste", "-5", "0.00"},
            {"paste a word", "C", "35000", "salaire", "paste", "salaire", "4000.00"},
            {"fraction", "C", "", "15019.99", "paste", "15019.99", "2.00"},
            {"ceiling", "C", "", "120000.5", "paste", "120000.5", "29500.00"},
            {"fr_FR comma", "fr_FR", "", "22510,5", "paste", "22510,5", "1501,20"},
            {"fr_FR point", "fr_FR", "", "120000.5", "paste", "120000.5", "29500,00"},
            {"fr_FR no -0", "fr_FR", "", "-0", "paste", "-0", "0,00"},
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
        if (then == "Ctrl+V") {
            QTest::keyClick(amount, Qt::Key_V, Qt::ControlModifier);
        } else if (then == "paste") {
            amount->selectAll();
            amount->paste();
        } else if (then == "key") {
            QTest::sendKeyEvent(QTest::Click, amount, Qt::Key_unknown, text, {});
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
            const int copy = std::clamp(int(std::ceil(screen->devicePixelRatio())), 1, 3);
            for (const char *name : {"Image1", "Image2"}) {
                auto *picture = window->findChild<QLabel *>(name);
                QTRY_COMPARE(picture->pixmap().size(), QSize(259, 194) * copy);
                const auto atPlace = [&](const QImage &image) {
                    return image
                        .scaled(picture->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_Grayscale8);
                };
                const QImage drawn = atPlace(picture->pixmap().toImage()),
                             designed = atPlace(QImage(":/" + QString(name).toLower() + ".jpg"));
                double squares = 0;
                for (int y = 0; y < drawn.height(); ++y) {
                    for (int x = 0; x < drawn.width(); ++x)
                        squares += std::pow(drawn.scanLine(y)[x] - designed.scanLine(y)[x], 2);
                }
                QCOMPARE_LE(std::sqrt(squares / (drawn.width() * drawn.height())) / 255, 0.06);
            }
        }
    }

    void fixedSizeAndTabOrder()
    {
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
