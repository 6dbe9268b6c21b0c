#include "WindowFixture.h"

#include "app/logic/WindowGeometry.h"
#include "windows/Resizer.h"
#include "windows/dialogs/frmInputCurrency.h"

#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QSet>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>

#include <functional>

// The main window: its rows, menus and buttons reach the controller and show what it holds.
class TestMainWindow : public WindowFixture
{
    Q_OBJECT

    int m_opened = 0; // amount dialogs opened

    void whenDialogOpens(std::function<void(frmInputCurrency *)> answer)
    {
        QTimer::singleShot(0, this, [this, answer] {
            auto *dialog = qobject_cast<frmInputCurrency *>(QApplication::activeModalWidget());
            QVERIFY2(dialog, "the amount dialog did not open");
            ++m_opened;
            answer(dialog);
        });
    }
    void verifyCurrentRow(int slot) const
    {
        for (int row = 0; row < CurrencyCount; ++row) {
            QCOMPARE(child<QAction>(QStringLiteral("mnuConvertFrom_%1").arg(row))->isChecked(), row == slot);
            QCOMPARE(child<QRadioButton>(QStringLiteral("optCurrency_%1").arg(row))->isChecked(), row == slot);
        }
        QCOMPARE(m_main->focusWidget(), goButton(slot));
    }

private slots:
    void init() { m_opened = 0; }

    // The first start shows the stored conversion, the Settings menu's Help off. A row's button and option, and
    // Ctrl+O, open the amount dialog; Enter or Convert in it converts and marks the row converted from.
    void rowsStartConversions()
    {
        start();
        QVERIFY(amount(9)->text() == Localized(QStringLiteral("1,936 ")) && !action("mnuSettingsHelp")->isEnabled());
        verifyCurrentRow(0);
        whenDialogOpens([](frmInputCurrency *dialog) {
            auto *field = dialog->findChild<QLineEdit *>("txtAmount");
            QTest::keyClicks(field, Localized(QStringLiteral("1,000.5")));
            QTest::keyClick(field, Qt::Key_Return);
        });
        QTest::mouseClick(goButton(7), Qt::LeftButton);
        QCOMPARE(amount(7)->text() + amount(0)->text(), Localized(QStringLiteral("998 2.93 ")));
        verifyCurrentRow(7);
        whenDialogOpens([](frmInputCurrency *dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
        QTest::mouseClick(child<QRadioButton>("optCurrency_3"), Qt::LeftButton);
        verifyCurrentRow(3);
        // A screen reader's toggle of an option converts as a press does.
        toggle(child<QRadioButton>("optCurrency_9"));
        whenDialogOpens([](frmInputCurrency *dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
        QTRY_COMPARE(m_opened, 3);
        verifyCurrentRow(9);
        // Ctrl+O converts from the additional currency. Its name shows as typed: an "&" is no keyboard mnemonic in
        // the row or the menu.
        QApplication::setActiveWindow(m_main.get()); // the offscreen platform gives nothing the focus back
        whenDialogOpens([](frmInputCurrency *dialog) {
            dialog->findChild<QLineEdit *>("txtCurrencyName")->setText(QStringLiteral("Zloty & Groszy"));
            dialog->findChild<QLineEdit *>("txtCurrencyRate")->setText(QStringLiteral("4"));
            QTest::mouseClick(dialog->findChild<QPushButton *>("cmdConvert"), Qt::LeftButton);
        });
        QTest::keyClick(m_main.get(), Qt::Key_O, Qt::ControlModifier);
        verifyCurrentRow(13);
        for (const QString &shown : {child<QLabel>("lblTitle_13")->text(), action("mnuConvertFrom_13")->text()}) {
            QVERIFY(QKeySequence::mnemonic(shown).isEmpty());
            QCOMPARE(QString(shown).replace(QStringLiteral("&&"), QStringLiteral("&")),
                     QStringLiteral("Zloty & Groszy"));
        }
        QVERIFY(platform().messages.isEmpty());
    }

    // A key typed on row 5 (or, with no row focused, on the current row 0), then "2 5 Enter" in the dialog it opens.
    void typedKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("onRow");
        QTest::addColumn<QString>("converted"); // the row and the amount, in ten-thousandths; empty: no dialog
        QTest::addColumn<int>("beeps");
        const int separator = QLocale().decimalPoint() == u"," ? Qt::Key_Comma : Qt::Key_Period;
        QTest::newRow("digit") << int(Qt::Key_1) << 0 << true << "5 1250000" << 0;
        QTest::newRow("separator") << separator << 0 << true << "5 2500" << 0;
        QTest::newRow("keypad point") << int(Qt::Key_Period) << int(Qt::KeypadModifier) << true << "5 2500" << 0;
        QTest::newRow("minus, refused") << int(Qt::Key_Minus) << 0 << true << "5 250000" << 1;
        QTest::newRow("Enter") << int(Qt::Key_Return) << 0 << true << "5 250000" << 0;
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << true << "5 250000" << 0;
        QTest::newRow("Space") << int(Qt::Key_Space) << 0 << true << "5 250000" << 0;
        QTest::newRow("letter") << int(Qt::Key_B) << 0 << true << "" << 0;
        QTest::newRow("with Ctrl") << int(Qt::Key_1) << int(Qt::ControlModifier) << true << "" << 0;
        QTest::newRow("digit, no row focused") << int(Qt::Key_1) << 0 << false << "0 1250000" << 0;
    }
    void typedKeys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, onRow);
        QFETCH(QString, converted);
        start();
        QWidget *focused = onRow ? static_cast<QWidget *>(goButton(5)) : child<QToolButton>("cmdLanguage_0");
        focused->setFocus();
        if (!converted.isEmpty()) {
            whenDialogOpens([](frmInputCurrency *dialog) {
                QCoreApplication::processEvents(); // the dialog takes the focus, and a desktop may hand it over again
                QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason),
                    in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
                QCoreApplication::sendEvent(dialog->focusWidget(), &out);
                QCoreApplication::sendEvent(dialog->focusWidget(), &in);
                QCoreApplication::processEvents();
                QTest::keyClicks(dialog->focusWidget(), QStringLiteral("25"));
                QTest::keyClick(dialog, Qt::Key_Return);
            });
        }
        QTest::keyClick(focused, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        const ConversionState &state = context().conversion().state();
        QCOMPARE(m_opened, converted.isEmpty() ? 0 : 1);
        QCOMPARE(m_opened ? QStringLiteral("%1 %2").arg(state.CurrentCurrency).arg(state.CurrentAmount.raw()) : "",
                 converted);
        QTEST(platform().beeps, "beeps");
    }

    // What the amount dialog converts and stores is what its fields show, whatever is pasted over them: blanks and
    // line ends around a number go, grouping separators and the field's own currency are taken; anything else
    // leaves the field as it was, with a beep and the reason. 777 GRD (2.28 EUR, 4.46 DEM or BGN) was converted last.
    void pasteConvertsWhatTheFieldShows_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pasted");    // numbers written the en_US way, swapped under el_GR
        QTest::addColumn<QString>("shown");     // the field after the paste|the reason it was not taken
        QTest::addColumn<QByteArray>("stored"); // in the settings file after Convert
        const QString notNumber = "|The pasted text was not taken: it is not a number.";
        const QString other = "|The pasted text was not taken: it names another currency.";
        const auto row = [](const char *name, int slot, const char *field, const char *pasted, const QString &shown,
                            const char *stored) {
            QTest::newRow(name) << slot << QString(field) << QString(pasted) << shown << QByteArray(stored);
        };
        row("amount: a line end", 7, "txtAmount", "1500\n", "1500|", "Amount=1500\r\n");
        row("amount: blanks around", 7, "txtAmount", " \t3 ", "3|", "Amount=3\r\n");
        row("amount: a letter", 7, "txtAmount", "12abc", "777" + notNumber, "Amount=777\r\n");
        row("amount: a minus", 7, "txtAmount", "-5", "777|The pasted text was not taken: the number is negative.",
            "Amount=777\r\n");
        row("amount: grouping separators", 7, "txtAmount", "1,000,000.5", "1,000,000.5|", "Amount=1000000.5\r\n");
        row("amount: a euro sign, in euros", 0, "txtAmount", "€ 1,234.56", "1,234.56|", "Amount=1234.56\r\n");
        row("amount: a euro sign, in marks", 3, "txtAmount", "€1,234.56", "4.46" + other, "Amount=4.46\r\n");
        row("amount: the row's code", 3, "txtAmount", "1,234.56 DEM\r\n", "1,234.56|", "Amount=1234.56\r\n");
        row("amount: another code", 3, "txtAmount", "5 GRD", "4.46" + other, "Amount=4.46\r\n");
        row("rate: blanks around", 13, "txtCurrencyRate", " 3 ", "3|", "13=3\r\n");
        row("rate: a letter", 13, "txtCurrencyRate", "2x", "1.95583" + notNumber, "13=1.95583\r\n");
        row("rate: its code, a line end", 13, "txtCurrencyRate", "bgn 1.9\n", "1.9|", "13=1.9\r\n");
    }
    void pasteConvertsWhatTheFieldShows()
    {
        QFETCH(int, slot);
        QFETCH(QString, field);
        QFETCH(QString, pasted);
        start("[General]\r\nOtherCurrency=BGN - Bulgarian Lev\r\n[Rates]\r\n13=1.95583\r\n[Last]\r\nID=7\r\n"
              "Amount=777\r\n");
        QString seen;
        whenDialogOpens([&](frmInputCurrency *dialog) {
            auto *edit = dialog->findChild<QLineEdit *>(field);
            edit->setFocus();
            edit->selectAll();
            QGuiApplication::clipboard()->setText(Localized(pasted));
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            seen = edit->text() + u'|' + dialog->findChild<QLabel *>("lblPasteRefused")->text();
            QTest::keyClick(edit, Qt::Key_Return);
            if (dialog->isVisible()) // Convert refused what the field does not show
                seen += QStringLiteral(" (still open)"), dialog->reject();
        });
        QTest::mouseClick(goButton(slot), Qt::LeftButton);
        QFETCH(QString, shown);
        QCOMPARE(seen.section(u'|', 0, 0), Localized(shown.section(u'|', 0, 0)));
        QCOMPARE(seen.section(u'|', 1), shown.section(u'|', 1));
        QCOMPARE(platform().beeps, seen.endsWith(u'|') ? 0 : 1);
        QFETCH(QByteArray, stored);
        QVERIFY2(m_program->ini().contains(Localized(QString::fromLatin1(stored)).toLatin1()), m_program->ini());
    }

    // Fonts, pictures and controls grow with the window, and with them the dialogs it opens (within the 800 by 600
    // screen); it shrinks well below its designed size, down to 0.6 of it.
    void windowScalesWithItsUser()
    {
        start();
        Resizer *resizer = Resizer::of(m_main.get());
        const QSize designed = resizer->designedSize();
        const auto *title = child<QLabel>("lblTitle_0");
        const qreal points = title->font().pointSizeF();
        auto *option = child<QRadioButton>("optCurrency_0");
        const QSize flag = option->iconSize();
        // The option's mark, which the style draws at one size, grows as well.
        const auto mark = [option] {
            return option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option);
        };
        const int marked = mark();
        const int width = amount(0)->width();
        // A window never squeezes its contents (fields lower than their text): where text grows faster than the
        // window, the scale is a little smaller.
        const auto holds = [](const QWidget *window) {
            return window->width() >= window->minimumSizeHint().width()
                && window->height() >= window->minimumSizeHint().height();
        };
        m_main->resize(resizer->sizeAt(1.8));
        QTRY_VERIFY(title->font().pointSizeF() > points * 1.7);
        QVERIFY(holds(m_main.get()));
        QCOMPARE(title->font().pointSizeF(), points * resizer->scale());
        QCOMPARE(option->iconSize(), flag * resizer->scale());
        QVERIFY(mark() > marked * 1.7);
        QVERIFY(amount(0)->width() > width * 1.7);
        // The menus' items and the buttons open their dialogs over the window, as large as the window, as far as the
        // screen lets them, and never squeezing their contents. The amount dialog of the additional currency is wider
        // than this 800-pixel screen already at its designed size: it shrinks to the screen, its contents with it.
        const int broughtToFront = platform().broughtToFront;
        QStringList opened;
        const QList<std::pair<const char *, double>> controls{{"mnuHelpAbout", 1.3},      {"cmdCopyright", 1.3},
                                                              {"cmdPageSetup", 1.3},      {"mnuFilePrint", 1.3},
                                                              {"mnuSettingsExport", 1.3}, {"mnuConvertFrom_13", 0.0}};
        for (const auto &[control, grown] : controls) {
            qreal size = 0;
            bool held = false;
            whenShown([&](QWidget *dialog) {
                opened << dialog->windowTitle();
                size = dialog->findChild<QPushButton *>()->font().pointSizeF();
                held = holds(dialog);
                dialog->close();
            });
            if (QAction *item = action(control))
                item->trigger();
            else
                child<QToolButton>(control)->click();
            QVERIFY2(size > points * grown, control);
            QVERIFY2(held, control);
        }
        QCOMPARE(opened,
                 QStringList({"About", "About", "Page setup", "Print - Number of pages: 1.", "Export settings",
                              "Convert 'Other currency' to all other currencies"}));
        child<QToolButton>("cmdPrintSetup")->click();
        QCOMPARE(platform().printerSetupTitles, QStringList{"Printer setup"});
        QCOMPARE(platform().broughtToFront, broughtToFront + 7);
        m_main->resize(designed / 3);
        QTRY_COMPARE(m_main->size(), resizer->sizeAt(MinimumScale));
        QCOMPARE(title->font().pointSizeF(), points * MinimumScale);
    }

    // What the window keeps of its place when Exit ends the program, and the width it gives back: only a size its
    // user gave it (a resize, a maximise) is kept; one the program gave it (its designed size, or the room its
    // contents needed for a while) is not, nor one kept under another pixel ratio. It opens where it last was.
    void keptPlace_data()
    {
        QTest::addColumn<QByteArray>("window"); // the [Window] section the program starts with
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("kept"); // what the file then keeps; %w by %h: the window's least size
        const QByteArray place = "[Window]\r\nLeft=30\r\nTop=40\r\nWidth=600\r\nHeight=590\r\nMaximised=False\r\n";
        QTest::newRow("designed size") << QByteArray() << ""
                                       << "Width=0 Height=0 Maximised=False PixelRatio=100";
        QTest::newRow("user's resize") << QByteArray() << "resize"
                                       << "Width=610 Height=620 Maximised=False";
        QTest::newRow("user's size kept again") << place << ""
                                                << "Left=30 Top=40 Width=600 Height=590";
        QTest::newRow("moved") << place << "move"
                               << "Left=50 Top=40 Width=600 Height=590 Maximised=False PixelRatio";
        QTest::newRow("size under another ratio") << place + "PixelRatio=200\r\n"
                                                  << ""
                                                  << "Width=0 Height=0";
        QTest::newRow("maximised from the minimum size") << QByteArray() << "smallest maximise"
                                                         << "Width=%w Height=%h Maximised=True";
        QTest::newRow("maximised by a desktop that sizes first") << QByteArray() << "fill maximise"
                                                                 << "Width=0 Height=0 Maximised=True";
        QTest::newRow("width after a language round trip") << QByteArray() << "Greek English"
                                                           << "Width=0 Height=0";
        QTest::newRow("resized meanwhile") << QByteArray() << "Greek resize English"
                                           << "Width=610 Height=620";
    }
    void keptPlace()
    {
        QFETCH(QByteArray, window);
        QFETCH(QString, steps);
        QFETCH(QString, kept);
        start(window);
        const int opened = m_main->width();
        int greekWidth = opened;
        for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
            if (step == QLatin1String("resize") || step == QLatin1String("smallest"))
                m_main->resize(step == QLatin1String("resize") ? QSize(610, 620) : QSize(1, 1));
            else if (step == QLatin1String("move"))
                m_main->move(m_main->pos() + QPoint(20, 0));
            else if (step == QLatin1String("fill"))
                m_main->resize(m_main->screen()->availableSize());
            else if (step == QLatin1String("maximise"))
                m_main->showMaximized();
            else
                switchLanguage(step == QLatin1String("Greek") ? Language::Greek : Language::English);
            QCoreApplication::processEvents(); // the toolkit's texts follow the language in events of their own
            QTRY_VERIFY(m_main->isMaximized() == (step == QLatin1String("maximise")));
            greekWidth = step == QLatin1String("Greek") ? m_main->width() : greekWidth;
        }
        // Greek needs more room than English, and gives it back with the language.
        QVERIFY(greekWidth > opened || !steps.startsWith(QLatin1String("Greek")));
        QVERIFY(m_main->width() == opened || steps != QLatin1String("Greek English"));
        const QSize least = m_main->minimumSize();
        QTest::keyClick(m_main.get(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!m_main->isVisible());
        const QString ini = QString::fromUtf8(m_program->ini()).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        kept.replace(QStringLiteral("%w"), QString::number(least.width()))
            .replace(QStringLiteral("%h"), QString::number(least.height()));
        QVERIFY2(ini.contains(kept), qPrintable(ini));
    }

    void languageSwitchAppliesEveryCaption()
    {
        start("[Last]\r\nAmount=922337203685477\r\n");
        QTest::mouseClick(child<QToolButton>("cmdLanguage_0"), Qt::LeftButton);
        QVERIFY(m_program->ini().contains("Language=True"));
        QCOMPARE(m_main->windowTitle(), QStringLiteral("Σύμβουλος μετάβασης στο Ευρώ"));
        // A listener hears each result with its currency, and the row's button tells it too.
        QCOMPARE(amount(5)->text() + amount(5)->accessibleName() + u'|' + goButton(5)->accessibleDescription(),
                 QStringLiteral("Απροσδιόριστο FIM - Μάρκο Φινλανδίας: Απροσδιόριστο|Απροσδιόριστο"));
        // One language at a time, in the menu and on the flags, also when chosen again.
        switchLanguage(Language::Greek);
        QVERIFY(action("mnuToolsGreek")->isChecked() && !action("mnuToolsEnglish")->isChecked()
                && child<QToolButton>("cmdLanguage_0")->isChecked());
        QFile::remove(m_program->path(QStringLiteral("zkEuroChangeoverAdviser.ini")));
        switchLanguage(Language::English);
        QVERIFY(!action("mnuToolsGreek")->isChecked() && !child<QToolButton>("cmdLanguage_0")->isChecked());
        QCOMPARE(amount(13)->text(), QStringLiteral("Undefined "));
        QCOMPARE(m_program->ini(), QByteArray("[General]\r\nLanguage=False\r\n"));
        // A flag toggled by a screen reader applies its language as a click does.
        toggle(child<QToolButton>("cmdLanguage_0"));
        QTRY_COMPARE(m_main->windowTitle(), QStringLiteral("Σύμβουλος μετάβασης στο Ευρώ"));
        QVERIFY(action("mnuToolsGreek")->isChecked() && m_program->ini().contains("Language=True"));
    }

    // Ctrl+C, Ctrl+Shift+C and a double-click copy the amount as the row shows it, without its padding, also
    // while the tooltips are hidden (a listener still hears the unrounded amount); the status line follows the row
    // the keyboard is on, else the current row.
    void copyPutsTheShownText()
    {
        start("[General]\r\nToolTipText=True\r\n[Last]\r\nID=7\r\nAmount=1000000\r\n");
        const auto copy = [this](QWidget *focused, Qt::KeyboardModifiers modifiers) {
            focused->setFocus(Qt::TabFocusReason);
            QTest::keyClick(m_main.get(), Qt::Key_C, Qt::ControlModifier | modifiers);
            return QStringList{child<QLabel>("lblConversionRoad")->accessibleName(),
                               QGuiApplication::clipboard()->text(), m_main->statusBar()->currentMessage()}
                .join(u'|');
        };
        const QString grd = QStringLiteral("1,000,000 GRD → 2,934.70 EUR → 999,999.0250 → 999,999 GRD|");
        QCOMPARE(copy(goButton(7), Qt::ShiftModifier), Localized(grd + "999,999.0250|Copied unrounded: 999,999.0250"));
        QCOMPARE(copy(goButton(8), {}),
                 Localized("1,000,000 GRD → 2,934.70 EUR → 2,311.2641 → 2,311.26 IEP|2,311.26|"
                           "Copied: 2,311.26"));
        QCOMPARE(copy(child<QToolButton>("cmdLanguage_0"), {}), Localized(grd + "999,999|Copied: 999,999"));
        QCOMPARE(amount(7)->accessibleDescription(), Localized("999,999.0250"));
        QTest::mouseDClick(amount(3), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), Localized(QStringLiteral("5,739.77")));
    }

    // Until a conversion is confirmed the status line keeps the road of the last one, whichever row the dialog was
    // opened from and whatever it holds; a row tabbed to shows its road. A long road loses its middle, never the
    // amount entered or the result, and its tooltip holds it whole. Cancel keeps the rows, the road and the file as
    // they were.
    void roadOfTheLastConversion()
    {
        start("[General]\r\nOtherCurrency=Zloty of the Polish Republic\r\n[Rates]\r\n13=4.5\r\n"
              "[Last]\r\nAmount=12\r\n");
        const QLabel *road = child<QLabel>("lblConversionRoad");
        goButton(8)->setFocus(Qt::TabFocusReason);
        const QString iep = Localized(QStringLiteral("12 EUR → 9.4508 → 9.45 IEP"));
        QStringList seen{road->text()};
        const auto typeThen = [&](const char *typed, bool confirm) {
            whenDialogOpens([&, typed, confirm](frmInputCurrency *dialog) {
                QTest::keyClicks(dialog->findChild<QLineEdit *>("txtAmount"), Localized(typed));
                seen << road->text();
                dialog->findChild<QPushButton *>(confirm ? "cmdConvert" : "cmdCancel")->click();
            });
        };
        typeThen("1000000.555", true);
        QTest::mouseClick(goButton(OtherCurrencyIndex), Qt::LeftButton);
        QCOMPARE(seen, QStringList({iep, iep}));
        const QString result = Localized(" → 1,000,000.58 Zloty of the Polish Republic");
        QVERIFY2(road->toolTip().startsWith(Localized("1,000,000.555 Zloty")) && road->toolTip().endsWith(result)
                     && road->text().startsWith(Localized("1,000,000.555 ")) && road->text().endsWith(result)
                     && road->text().contains(u'…'),
                 qPrintable(road->text()));
        QApplication::setActiveWindow(m_main.get()); // the offscreen platform gives nothing the focus back
        goButton(8)->setFocus(Qt::TabFocusReason);   // shorter: whole steps give way from its middle
        const QStringList steps = road->toolTip().split(QStringLiteral(" → "));
        QVERIFY2(road->text().startsWith(steps.first() + QStringLiteral(" → … → "))
                     && road->text().endsWith(QStringLiteral(" → ") + steps.last()),
                 qPrintable(road->text()));
        // Wide enough for all but one of its middle steps, it loses that one only.
        const QString lessOne = QStringList({steps[0], "…", steps[3], steps[4]}).join(QStringLiteral(" → "));
        m_main->resize(m_main->width() + 2 + road->fontMetrics().horizontalAdvance(lessOne)
                           - road->contentsRect().width(),
                       m_main->height());
        QTRY_COMPARE(road->text(), lessOne);

        const QByteArray before = m_program->ini();
        const QString shown = road->text() + u'|' + amount(3)->text();
        typeThen("7", false);
        QTest::mouseClick(goButton(5), Qt::LeftButton);
        typeThen("7", false);
        action("mnuConvertFrom_3")->trigger();
        QCOMPARE(seen.mid(2) << road->text() + u'|' + amount(3)->text(),
                 QStringList({road->text(), road->text(), shown}));
        verifyCurrentRow(OtherCurrencyIndex);
        QCOMPARE(m_program->ini(), before);
    }

    // The decimal separators of all rows stand in one column, whole numbers end at it: measured on the window as
    // drawn, where each amount's ink ends, less the drawn width of its decimals (a digit's bearing apart).
    void amountsAlignedByPlace()
    {
        start("[Decimals]\r\n0=4\r\n3=0\r\n[Last]\r\nAmount=1234.5\r\n");
        const QImage drawn = m_main->grab().toImage();
        const QString point = QLocale().decimalPoint();
        QList<int> columns;
        QSet<qsizetype> decimals;
        for (int slot = 0; slot < CurrencyCount; ++slot) {
            const QLabel *label = amount(slot);
            const QRect inside =
                label->contentsRect().adjusted(2, 2, -2, -2).translated(label->mapTo(m_main.get(), QPoint()));
            int inkEnd = -1;
            for (int x = inside.left(); x <= inside.right(); ++x)
                for (int y = inside.top(); y <= inside.bottom(); ++y)
                    inkEnd = qGray(drawn.pixel(x, y)) < 128 ? x : inkEnd;
            const QString shown = label->text().trimmed();
            const qsizetype at = shown.indexOf(point);
            decimals << (at < 0 ? 0 : shown.size() - at);
            columns << inkEnd - (at < 0 ? 0 : label->fontMetrics().horizontalAdvance(shown.mid(at)));
        }
        QVERIFY(decimals.size() > 2);
        const auto [left, right] = std::minmax_element(columns.cbegin(), columns.cend());
        QVERIFY2(*right - *left <= 2, qPrintable(QStringLiteral("%1 to %2").arg(*left).arg(*right)));
    }

    // After a print to a text file and after an export, the status line says where the file went, in the interface
    // language, its tooltip and accessible description holding the whole path, until a conversion takes its place.
    void savedFilesNamed()
    {
        start("[General]\r\nPrintDestination=1\r\n[ExportSettings]\r\nIni=True\r\n");
        const QString out = m_program->path(
            QStringLiteral("a folder of reports whose name alone is wider than the whole status line of the window"));
        const QString report = out + QStringLiteral("/report.txt");
        QVERIFY(QDir().mkpath(out));
        platform().savePaths = {report};
        platform().folders = {out};
        const auto press = [this](const char *button) {
            whenShown([button](QWidget *dialog) { dialog->findChild<QPushButton *>(button)->click(); });
        };
        const QLabel *road = child<QLabel>("lblConversionRoad");
        const auto said = [road] { return QStringList{road->text(), road->toolTip(), road->accessibleDescription()}; };
        press("cmdPrint");
        action("mnuFilePrint")->trigger();
        // Too narrow for the whole path: its folders give way.
        QCOMPARE(said(), QStringList({"Saved to '…/report.txt'", "Saved to '" + report + "'", report}));
        QVERIFY(QFile::exists(report));
        switchLanguage(Language::Greek);
        QCOMPARE(said().first(), QStringLiteral("Αποθηκεύθηκε στο «…/report.txt»"));
        whenShown([press](QWidget *settings) {
            settings->findChild<QPushButton *>("cmdSettingsFolderExternal")->click();
            press("cmdExport");
        });
        action("mnuSettingsExport")->trigger();
        const QString exported = out + QStringLiteral("/zkEuroChangeoverAdviser.ini");
        QCOMPARE(said().mid(1), QStringList({"Αποθηκεύθηκε στο «" + exported + "»", exported}));
        whenDialogOpens([](frmInputCurrency *dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
        QTest::mouseClick(goButton(3), Qt::LeftButton);
        QCOMPARE(said(), QStringList({road->toolTip(), road->toolTip(), "Τελευταία μετατροπή"}));
    }

    // The Settings button opens its menu below itself, on a click, Enter or Space, with Help and Cancel; from the
    // menu bar those two are disabled.
    void settingsMenu()
    {
        start();
        auto *button = child<QToolButton>("cmdSettings");
        auto *menu = child<QMenu>("mnuSettings");
        QString seen;
        const auto look = [&] {
            seen += QStringLiteral("%1%2%3 ")
                        .arg(menu->isVisible())
                        .arg(action("mnuSettingsHelp")->isEnabled())
                        .arg(action("mnuSettingsCancel")->isEnabled());
            menu->close();
        };
        for (const Qt::Key key : {Qt::Key_unknown, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            QTimer::singleShot(0, this, [&] {
                QVERIFY(menu->geometry().top() >= button->mapToGlobal(QPoint(0, button->height())).y());
                look();
            });
            if (key == Qt::Key_unknown)
                QTest::mouseClick(button, Qt::LeftButton);
            else
                QTest::keyClick(button, key);
        }
        m_main->menuBar()->setActiveAction(menu->menuAction());
        QTRY_VERIFY(menu->isVisible());
        look();
        QCOMPARE(seen, QStringLiteral("111 111 111 111 100 "));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
