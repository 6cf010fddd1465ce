// SPDX-License-Identifier: GPL-3.0-or-later
#include "tax/monthly_irg.h"
#include "ui/form4.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <memory>

class TestIrgcalc : public QObject
{
    Q_OBJECT

    std::unique_ptr<Form4> window;

    template <typename T = QLineEdit> T *find(const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }

    const QPalette lightTheme = QApplication::palette();

    // WCAG's contrast ratio of two colours, from 1 to 21.
    static double contrast(const QColor &a, const QColor &b)
    {
        const auto luminance = [](const QColor &c) {
            const auto linear = [](double v) {
                return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF())
                + 0.0722 * linear(c.blueF());
        };
        const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
        return (light + 0.05) / (dark + 0.05);
    }

private slots:
    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
        QApplication::setPalette(lightTheme);
    }
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
        QCOMPARE(Form4::irg(qQNaN()) + Form4::irg(qInf()), QString());
    }

    // Every key code: digits and Backspace pass both filters, the point only the first.
    void keyFilters()
    {
        for (int code = SHRT_MIN; code <= SHRT_MAX; ++code) {
            const bool digitOrBackspace = (code >= '0' && code <= '9') || code == 8;
            QCOMPARE(Form4::gWriteOnleNumber(code), digitOrBackspace || code == '.' ? code : 0);
            QCOMPARE(Form4::gWriteOnleNumber1(code), digitOrBackspace ? code : 0);
        }
    }

    void amountEntry_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("keys"); // typed a key a character; \b is Backspace
        QTest::addColumn<QString>("text"); // on the clipboard; or brought whole by one key
        // Then Ctrl+V, a paste over the amount, or a key bringing several characters (composed).
        QTest::addColumn<QString>("then");
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
            {"blank", "C", "", "35 000", "paste", "35 000", ""},
            {"grouping", "en_US", "", "35,000", "paste", "35,000", ""},
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
        QLineEdit *amount = find("Text18");
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
        QTEST(find("Text1")->text(), "result");
        QTest::mouseClick(find<QPushButton>("Command1"), Qt::LeftButton);
        QTEST(QGuiApplication::clipboard()->text(), "result");
    }

    // Each control as designed: where it stands in the window (in twips at 15 to the pixel), room
    // for its caption, its text legible on a dark theme, and its picture sharp at any scale.
    void controlsStandAsDesigned_data()
    {
        QTest::addColumn<QRect>("place");
        QTest::newRow("Command5") << QRect(200, 208, 89, 33);
        QTest::newRow("Command2") << QRect(24, 208, 161, 33);
        QTest::newRow("Label4") << QRect(40, 168, 225, 25);
        QTest::newRow("Label3") << QRect(48, 144, 225, 25);
        QTest::newRow("Text18") << QRect(120, 16, 169, 27);
        QTest::newRow("Label26") << QRect(24, 16, 89, 25);
        QTest::newRow("Command1") << QRect(256, 80, 41, 25);
        QTest::newRow("Text1") << QRect(104, 80, 153, 27);
        QTest::newRow("Label1") << QRect(24, 80, 89, 25);
        QTest::newRow("Image1") << QRect(312, 136, 275, 121);
        QTest::newRow("Image2") << QRect(312, 8, 275, 129);
    }

    void controlsStandAsDesigned()
    {
        // Light text on dark in every colour group, as a dark theme hands it.
        const QColor dark(40, 40, 40);
        QApplication::setPalette(QPalette(Qt::white, dark, Qt::gray, Qt::black, Qt::darkGray,
                                          Qt::white, Qt::white, dark, dark));
        window = std::make_unique<Form4>();
        window->show();
        QWidget *control = find<QWidget>(QTest::currentDataTag());
        QVERIFY(control && control->isVisible());
        QTEST(QRect(control->mapTo(window.get(), QPoint()), control->size()), "place");
        // The caption has room, in the fonts the window draws with, Arabic fallback included.
        auto *label = qobject_cast<QLabel *>(control);
        auto *button = qobject_cast<QPushButton *>(control);
        QStyleOptionButton option;
        option.initFrom(control);
        const QRect room = button
            ? control->style()->subElementRect(QStyle::SE_PushButtonContents, &option, control)
            : control->contentsRect();
        const QString caption = button ? button->text() : label ? label->text() : QString();
        QVERIFY(control->fontMetrics().horizontalAdvance(caption) <= room.width());
        QVERIFY(control->fontMetrics().tightBoundingRect(caption).height() <= room.height());
        // Fixed backgrounds bring their own text colours; buttons keep the theme's pair.
        const QPalette &colours = control->palette();
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            QVERIFY(contrast(colours.color(group, control->foregroundRole()),
                             colours.color(group, control->backgroundRole()))
                    >= 4.5);
        }
        // As designed at 100 %; on a scaled screen, a device pixel for each pixel of the place.
        if (label && label->hasScaledContents()) {
            const qreal ratio = label->devicePixelRatioF();
            const QSize least = ratio > 1 ? label->size() * ratio : QSize(259, 194);
            QCOMPARE(label->pixmap().size().expandedTo(least), label->pixmap().size());
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
