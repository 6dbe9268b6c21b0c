#include "ScriptedProgram.h"
#include "TestLocale.h"

#include "windows/dialogs/frmInputCurrency.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

class TestInputCurrency : public QObject
{
    Q_OBJECT

    ScriptedProgram m_program;
    ScriptedPlatform &m_platform = m_program.platform;
    std::unique_ptr<frmInputCurrency> m_dialog;

    void open(int slot, const QString &amount = QStringLiteral("1.00 "), bool greek = false)
    {
        m_platform.messages.clear();
        m_program.controller.app().GreekLanguage = greek;
        InputCurrencyRequest request{slot, CurrencyCaption(slot, greek), CurrencyCaption(0, greek), amount, QIcon()};
        m_dialog =
            std::make_unique<frmInputCurrency>(m_program.controller.dialogs(), m_program.controller.state(), request);
        m_dialog->show();
        QApplication::setActiveWindow(m_dialog.get()); // leaving a field counts only in the active window
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    }
    template<typename T = QLineEdit>
    T *child(const char *name) const
    {
        return m_dialog->findChild<T *>(name);
    }
    void retype(const char *name, const QString &text) const
    {
        child(name)->setFocus();
        child(name)->clear();
        QTest::keyClicks(child(name), text);
    }

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }

    // Only the additional currency's name and rate can be changed, only the euro's decimals cannot;
    // Convert says why it is disabled; the line under the amount says what it may hold, as the region writes it.
    void opening_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("texts"); // title|rate line|frame|why Convert is disabled
        QTest::newRow("euro") << 0 << false << "1.00 " << 2
                              << "Convert 'EUR - Euro' to all other currencies|(EUR - Euro) 1 = 1 (EUR - Euro)|"
                                 " Fixed exchange rate |";
        QTest::newRow("drachma, Greek") << 7 << true << "1,936 " << 0
                                        << "Μετατροπή «GRD - Δραχμή Ελλάδος» σε όλα τα άλλα νομίσματα|"
                                           "(EUR - Ευρώ) 1 = 340.75 (GRD - Δραχμή Ελλάδος)| Κλειδωμένη ισοτιμία |";
        QTest::newRow("additional") << 13 << false << "Overflow " << 2
                                    << "Convert 'Other currency' to all other currencies|"
                                       "(EUR - Euro) 1 = 0 (Other currency)| Current exchange rate |"
                                       "Enter an exchange rate above 0";
    }
    void opening()
    {
        QFETCH(int, slot);
        QFETCH(bool, greek);
        QFETCH(QString, amount);
        QFETCH(QString, texts);
        open(slot, amount, greek);
        const QString hint = greek ? QStringLiteral("Ψηφία, η υποδιαστολή «%1»· το πολύ %2")
                                   : QStringLiteral("Digits, the decimal separator '%1'; at most %2");
        QCOMPARE((QStringList{m_dialog->windowTitle(), child<QLabel>("lblEuroRateTitle")->text(),
                              child<QGroupBox>("fraFixedRate")->title(), child<QLabel>("lblConvertReason")->text(),
                              child("txtAmount")->text(), child<QLabel>("lblAmountHint")->text()}),
                 Localized(texts).split(u'|')
                     << amount.trimmed() << hint.arg(Localized("."), Localized("922,337,203,685,477.5807")));
        auto *convert = child<QPushButton>("cmdConvert");
        QVERIFY(convert->isEnabled() == texts.endsWith(u'|')
                && convert->accessibleDescription() == texts.section(u'|', 3));
        for (const char *field : {"txtCurrencyName", "txtCurrencyRate"})
            QVERIFY(child(field)->isReadOnly() == (slot != OtherCurrencyIndex)
                    && (child(field)->focusPolicy() == Qt::ClickFocus) == (slot != OtherCurrencyIndex));
        QTEST(child<QComboBox>("cboDecimals")->currentIndex(), "decimals");
        QCOMPARE(child<QComboBox>("cboDecimals")->isEnabled(), slot != 0);
    }

    // Refused input is said in a message, and the dialog stays open on the field to correct.
    void refusesBadInput_data()
    {
        QTest::addColumn<QStringList>("row"); // rate, amount, message, the field with the focus
        QTest::newRow("zero rate") << QStringList{"0.000", "1", "Incorrect exchange rate.", "txtCurrencyRate"};
        QTest::newRow("failure word") << QStringList{"2", "Overflow", "Incorrect amount.", "txtAmount"};
    }
    void refusesBadInput()
    {
        QFETCH(QStringList, row);
        open(OtherCurrencyIndex, row[1]);
        child("txtCurrencyRate")->setText(Localized(row[0]));
        child<QPushButton>("cmdConvert")->setEnabled(true);
        QTest::mouseClick(child<QPushButton>("cmdConvert"), Qt::LeftButton);
        QCOMPARE(m_platform.messages.size(), 1);
        const ScriptedPlatform::Message &message = m_platform.messages[0];
        QCOMPARE(message.text, row[2]);
        QVERIFY(message.caption == QLatin1String("Error") && message.style == MessageStyle::Critical
                && m_dialog->isVisible() && m_dialog->result() == QDialog::Rejected);
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), row[3]);
    }

    // Typed or pasted, only digits and separators get in, with a beep for the rest; a failure
    // word already there can still be deleted. Enter on a focused button presses that button.
    void keyFilterRefusesAndBeeps()
    {
        open(7, QStringLiteral("Overflow "));
        QLineEdit *amount = child("txtAmount");
        amount->end(false);
        QTest::keyClick(amount, Qt::Key_Backspace);
        QCOMPARE(m_platform.beeps, 0);
        QTest::keyClicks(amount, QStringLiteral("a-3"));
        QCOMPARE(m_platform.beeps, 2);
        for (const char *pasted : {"4x", "4,5"}) {
            QApplication::clipboard()->setText(QLatin1String(pasted));
            amount->paste();
        }
        QCOMPARE(amount->text(), QStringLiteral("Overflo34,5"));
        QCOMPARE(m_platform.beeps, 3);
        child<QPushButton>("cmdCancel")->setFocus();
        QTest::keyClick(child<QPushButton>("cmdCancel"), Qt::Key_Return);
        QVERIFY(!m_dialog->isVisible() && m_dialog->result() == QDialog::Rejected && m_platform.messages.isEmpty());
    }

    // Captions follow the name, Convert the rate; an empty name is the built-in one; Enter in a field converts.
    void confirmGivesTheValues()
    {
        open(OtherCurrencyIndex);
        retype("txtCurrencyName", QStringLiteral("Dollar"));
        retype("txtCurrencyRate", Localized("1.1"));
        child("txtAmount")->setFocus();
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Convert 'Dollar' to all other currencies"));
        QCOMPARE(child<QLabel>("lblEuroRateTitle")->text(), Localized("(EUR - Euro) 1 = 1.1 (Dollar)"));
        QVERIFY(child<QPushButton>("cmdConvert")->isEnabled() && child<QLabel>("lblConvertReason")->text().isEmpty());
        retype("txtCurrencyRate", QString());
        QVERIFY(!child<QPushButton>("cmdConvert")->isEnabled() && !child<QLabel>("lblConvertReason")->text().isEmpty());
        retype("txtCurrencyName", QStringLiteral("  "));
        retype("txtCurrencyRate", Localized("1.23456"));
        retype("txtAmount", Localized("1,000.5"));
        child<QComboBox>("cboDecimals")->setCurrentIndex(4);
        QTest::keyClick(child("txtAmount"), Qt::Key_Return);
        QVERIFY(!m_dialog->isVisible() && m_dialog->result() == QDialog::Accepted && m_platform.messages.isEmpty());
        const InputCurrencyValues &values = m_dialog->values();
        QVERIFY(values.amount.raw() == 10005000 && values.decimals == 4 && values.rate == 1.23456);
        QCOMPARE(values.name, QStringLiteral("Other currency"));
    }
};

QTEST_MAIN(TestInputCurrency)
#include "test_input_currency.moc"
