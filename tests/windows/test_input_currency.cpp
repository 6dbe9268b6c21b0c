#include "ScriptedPlatform.h"
#include "TestLocale.h"

#include "app/AppValues.h"
#include "app/SharedDialogs.h"
#include "app/Texts.h"
#include "core/ConversionState.h"
#include "core/NumberText.h"
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

private:
    std::unique_ptr<frmInputCurrency> open(int slot, const QString &amount = QStringLiteral("1.00 "))
    {
        InputCurrencyRequest request{slot, CurrencyCaption(slot, m_app.GreekLanguage),
                                     CurrencyCaption(0, m_app.GreekLanguage), amount, QIcon()};
        auto dialog = std::make_unique<frmInputCurrency>(m_dialogs, m_state, request);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        if (!QTest::qWaitForWindowActive(dialog.get()))
            qWarning("dialog not active");
        return dialog;
    }
    template <typename T> static T *child(QWidget *dialog, const char *name)
    {
        T *widget = dialog->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no child %s", name);
        return widget;
    }
    static void retype(QLineEdit *field, const QString &text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }

    ScriptedPlatform m_platform;
    AppValues m_app;
    SharedDialogs m_dialogs{m_platform, m_app};
    ConversionState m_state;

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }

    void init()
    {
        m_app.GreekLanguage = false;
        m_platform.messages.clear();
        m_platform.beeps = 0;
    }

    void fixedCurrencyIsReadOnly()
    {
        auto dialog = open(7, QStringLiteral("1,936 "));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Convert 'GRD - Greek Drachma' to all other currencies"));
        QCOMPARE(child<QLabel>(dialog.get(), "lblEuroRateTitle")->text(),
                 Localized(QStringLiteral("(EUR - Euro) 1 = 340.75 (GRD - Greek Drachma)")));
        QCOMPARE(child<QGroupBox>(dialog.get(), "fraFixedRate")->title(), QStringLiteral(" Fixed exchange rate "));
        QVERIFY(child<QLineEdit>(dialog.get(), "txtCurrencyName")->isReadOnly());
        QVERIFY(child<QLineEdit>(dialog.get(), "txtCurrencyRate")->isReadOnly());
        QCOMPARE(child<QLineEdit>(dialog.get(), "txtCurrencyRate")->focusPolicy(), Qt::ClickFocus);
        QCOMPARE(child<QComboBox>(dialog.get(), "cboDecimals")->currentIndex(), 0);
        QVERIFY(child<QComboBox>(dialog.get(), "cboDecimals")->isEnabled());
        QCOMPARE(child<QLineEdit>(dialog.get(), "txtAmount")->text(), QStringLiteral("1,936"));
        QVERIFY(child<QPushButton>(dialog.get(), "cmdConvert")->isEnabled());
    }

    void euroLocksDecimals()
    {
        auto dialog = open(0);
        QVERIFY(!child<QComboBox>(dialog.get(), "cboDecimals")->isEnabled());
        QCOMPARE(child<QComboBox>(dialog.get(), "cboDecimals")->currentIndex(), 2);
    }

    // Convert follows the rate and says why it is disabled; the line under the
    // amount says what an amount may hold, in the regional format.
    void rateEnablesConvert_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("hint");
        const QString point = Localized(QStringLiteral("."));
        const QString largest = Localized(QStringLiteral("922,337,203,685,477.5807"));
        QTest::newRow("English") << false << "Enter an exchange rate above 0"
                                 << QStringLiteral("Digits, the decimal separator '%1'; at most %2").arg(point, largest);
        QTest::newRow("Greek") << true << "Δώστε ισοτιμία μεγαλύτερη από 0"
                               << QStringLiteral("Ψηφία, η υποδιαστολή «%1»· το πολύ %2").arg(point, largest);
    }
    void rateEnablesConvert()
    {
        QFETCH(bool, greek);
        QFETCH(QString, reason);
        m_app.GreekLanguage = greek;
        auto dialog = open(13);
        QTEST(child<QLabel>(dialog.get(), "lblAmountHint")->text(), "hint");
        auto *rate = child<QLineEdit>(dialog.get(), "txtCurrencyRate");
        auto *convert = child<QPushButton>(dialog.get(), "cmdConvert");
        for (const QString &typed : {QStringLiteral("0"), Localized(QStringLiteral("2.5")), QString()}) {
            retype(rate, typed);
            QCOMPARE(convert->isEnabled(), !typed.isEmpty() && typed != QLatin1String("0"));
            QCOMPARE(child<QLabel>(dialog.get(), "lblConvertReason")->text(), convert->isEnabled() ? QString() : reason);
            QCOMPARE(convert->accessibleDescription(), convert->isEnabled() ? QString() : reason);
        }
    }

    void refusesBadInput_data()
    {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focused");
        QTest::newRow("zero rate") << "0.000" << "1" << "Incorrect exchange rate." << "txtCurrencyRate";
        QTest::newRow("only a separator") << "," << "1" << "Incorrect exchange rate." << "txtCurrencyRate";
        QTest::newRow("empty amount") << "2" << "" << "Incorrect amount." << "txtAmount";
        QTest::newRow("failure word") << "2" << "Overflow" << "Incorrect amount." << "txtAmount";
        QTest::newRow("two separators") << "2" << "1.5.5" << "Incorrect amount." << "txtAmount";
    }
    void refusesBadInput()
    {
        QFETCH(QString, rate);
        QFETCH(QString, amount);
        QFETCH(QString, message);
        QFETCH(QString, focused);
        auto dialog = open(13, amount);
        auto *rateField = child<QLineEdit>(dialog.get(), "txtCurrencyRate");
        rateField->setText(Localized(rate));
        child<QPushButton>(dialog.get(), "cmdConvert")->setEnabled(true);
        QTest::mouseClick(child<QPushButton>(dialog.get(), "cmdConvert"), Qt::LeftButton);
        QCOMPARE(m_platform.messages.size(), 1);
        QCOMPARE(m_platform.messages[0].caption, QStringLiteral("Error"));
        QCOMPARE(m_platform.messages[0].text, message);
        QCOMPARE(m_platform.messages[0].style, MessageStyle::Critical);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QTRY_COMPARE(QApplication::focusWidget()->objectName(), focused);
    }

    void keyFilterRefusesAndBeeps()
    {
        auto dialog = open(7, QStringLiteral("12 "));
        auto *amount = child<QLineEdit>(dialog.get(), "txtAmount");
        amount->setFocus();
        amount->deselect();
        amount->end(false);
        QTest::keyClicks(amount, QStringLiteral("a-3"));
        QCOMPARE(amount->text(), QStringLiteral("123"));
        QCOMPARE(m_platform.beeps, 2);
        QTest::keyClick(amount, Qt::Key_Backspace);
        QCOMPARE(amount->text(), QStringLiteral("12"));
        QApplication::clipboard()->setText(QStringLiteral("4x"));
        amount->paste();
        QCOMPARE(amount->text(), QStringLiteral("12"));
        QCOMPARE(m_platform.beeps, 3);
        QApplication::clipboard()->setText(QStringLiteral("4,5"));
        amount->paste();
        QCOMPARE(amount->text(), QStringLiteral("124,5"));
    }

    void failureWordCanBeDeleted()
    {
        auto dialog = open(7, QStringLiteral("Overflow "));
        auto *amount = child<QLineEdit>(dialog.get(), "txtAmount");
        amount->setFocus();
        amount->end(false);
        QTest::keyClick(amount, Qt::Key_Backspace);
        QCOMPARE(amount->text(), QStringLiteral("Overflo"));
        QCOMPARE(m_platform.beeps, 0);
    }

    void confirmGivesTheValues()
    {
        auto dialog = open(13);
        QCOMPARE(child<QGroupBox>(dialog.get(), "fraFixedRate")->title(), QStringLiteral(" Current exchange rate "));
        retype(child<QLineEdit>(dialog.get(), "txtCurrencyName"), QStringLiteral("  "));
        retype(child<QLineEdit>(dialog.get(), "txtCurrencyRate"), Localized(QStringLiteral("1.23456")));
        retype(child<QLineEdit>(dialog.get(), "txtAmount"), Localized(QStringLiteral("1,000.5")));
        child<QComboBox>(dialog.get(), "cboDecimals")->setCurrentIndex(4);
        QTest::keyClick(dialog.get(), Qt::Key_Return);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(!dialog->isVisible());
        QCOMPARE(dialog->values().amount.raw(), 10005000);
        QCOMPARE(dialog->values().decimals, qint16(4));
        QCOMPARE(dialog->values().rate, 1.23456);
        QCOMPARE(dialog->values().name, QStringLiteral("Other currency"));
        QVERIFY(m_platform.messages.isEmpty());
    }

    // Enter presses the focused button; in a field it converts.
    void enterOnAFocusedButton_data()
    {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<int>("result");
        QTest::newRow("Cancel") << "cmdCancel" << int(QDialog::Rejected);
        QTest::newRow("Convert") << "cmdConvert" << int(QDialog::Accepted);
        QTest::newRow("amount field") << "txtAmount" << int(QDialog::Accepted);
    }
    void enterOnAFocusedButton()
    {
        QFETCH(QString, focused);
        auto dialog = open(7, QStringLiteral("5 "));
        auto *widget = dialog->findChild<QWidget *>(focused);
        widget->setFocus(Qt::TabFocusReason);
        QTest::keyClick(widget, Qt::Key_Return);
        QVERIFY(!dialog->isVisible());
        QTEST(dialog->result(), "result");
    }

    void leavingNameRebuildsCaptions()
    {
        auto dialog = open(13);
        auto *name = child<QLineEdit>(dialog.get(), "txtCurrencyName");
        retype(name, QStringLiteral("Dollar"));
        retype(child<QLineEdit>(dialog.get(), "txtCurrencyRate"), Localized(QStringLiteral("1.1")));
        child<QLineEdit>(dialog.get(), "txtAmount")->setFocus();
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Convert 'Dollar' to all other currencies"));
        QCOMPARE(child<QLabel>(dialog.get(), "lblEuroRateTitle")->text(),
                 Localized(QStringLiteral("(EUR - Euro) 1 = 1.1 (Dollar)")));
    }
};

QTEST_MAIN(TestInputCurrency)
#include "test_input_currency.moc"
