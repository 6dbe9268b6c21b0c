// The list dialog over the main window: what a paste shows, and what Copy and Save give.
#include "WindowFixture.h"

#include "windows/dialogs/frmConvertList.h"

#include <QClipboard>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTimer>

class TestListDialog : public WindowFixture
{
    Q_OBJECT

private slots:
    // A column pasted from a spreadsheet, with a line that is no amount, from the drachma (the row converted last) to
    // the mark: each line's results in place, the refused one saying why, the totals of what converted; Copy's text
    // and the file Save writes over an old one are the same tab-separated lines; a file that cannot be written is
    // said and nothing is saved. In Greek (test_list has the English summary), numbers in the regional format.
    void pasteCopyAndSave()
    {
        start("[Last]\r\nID=7\r\nAmount=1000\r\n");
        switchLanguage(Language::Greek);
        showDialog(new frmConvertList(context().dialogs(), context().conversion(), m_main.get()));
        QCOMPARE(child<QComboBox>("cboFrom")->currentIndex(), 7);
        QCOMPARE(child<QComboBox>("cboTo")->currentIndex(), 0);
        child<QComboBox>("cboTo")->setCurrentIndex(3);
        QGuiApplication::clipboard()->setText(Localized("1000000\r\n1,000.5\r\nabc\r\n\r\n340.5\r\n"));
        auto *amounts = child<QPlainTextEdit>("txtAmounts");
        amounts->setFocus();
        QTest::keyClick(amounts, Qt::Key_V, Qt::ControlModifier);
        QTRY_COMPARE(child<QLabel>("lblSummary")->text(), "Μετατράπηκαν 3 από 4 ποσά. Δεν μετατράπηκαν: γραμμή 3.");
        QCOMPARE(child<QLabel>("lblTotalAmounts")->text(),
                 Localized("Σύνολο των ποσών που μετατράπηκαν: 1,001,340 GRD"));
        QCOMPARE(child<QLabel>("lblTotalRounded")->text(),
                 Localized("Σύνολο των αποτελεσμάτων με στρογγυλοποίηση: 5,747.46 DEM"));
        const QAbstractItemModel *table = child<QTableView>("tblResults")->model();
        QCOMPARE(table->rowCount(), 5);
        QCOMPARE(table->index(2, 1).data().toString(), "Ανακριβές ποσό.");
        QVERIFY(table->index(2, 1).data(Qt::ForegroundRole).isValid()
                && !table->index(1, 1).data(Qt::ForegroundRole).isValid());
        QCOMPARE(table->index(4, 2).data().toString(), Localized("1.9558"));

        const QString text = Localized("1000000\t5,739.77\t5,739.7743\n1,000.5\t5.73\t5.7306\nabc\t\t\n\n"
                                       "340.5\t1.96\t1.9558\n");
        QGuiApplication::clipboard()->clear();
        child("cmdCopy")->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
        const QString file = m_program->path("list.txt");
        QVERIFY(WriteFile(file, "old bytes, longer than anything the list writes there, and more"));
        platform().savePaths = {file, m_program->dir.path()};
        child("cmdSave")->click();
        QCOMPARE(ReadFile(file), text.toUtf8());
        QCOMPARE(child<QLabel>("lblStatus")->text(), "Αποθηκεύθηκε στο «" + file + "».");
        child("cmdSave")->click(); // a folder stands where the file was meant
        QVERIFY(platform().messages.size() == 1 && platform().messages[0].text.contains("δεν μπορεί να γραφτεί")
                && platform().messages[0].style == MessageStyle::Exclamation);
        QCOMPARE(platform().fileChoices.constLast().fileName, QStringLiteral("GRD-DEM.txt"));
        child("cmdSave")->click(); // cancelled: nothing more is said or written
        QVERIFY(platform().messages.size() == 1 && platform().fileChoices.size() == 3
                && ReadFile(file) == text.toUtf8());
    }

    // From the Tools menu, whose item has a mnemonic: the dialog opens modal over the window, From at the row
    // converted last, the keyboard in its field; the field, the table and the lists have names a screen reader says;
    // Tab leaves the field, Enter elsewhere copies, Escape closes.
    void fromTheMenuByKeyboard()
    {
        start("[Last]\r\nID=3\r\n");
        QVERIFY(!QKeySequence::mnemonic(action("mnuToolsConvertList")->text()).isEmpty());
        QStringList seen;
        QTimer::singleShot(0, this, [&seen] {
            auto *dialog = qobject_cast<frmConvertList *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            auto *amounts = dialog->findChild<QPlainTextEdit *>("txtAmounts");
            seen << dialog->findChild<QComboBox *>("cboFrom")->currentText()
                 << QString::number(dialog->focusWidget() == amounts);
            for (const char *name : {"txtAmounts", "tblResults", "cboFrom", "cboTo"})
                seen << QAccessible::queryAccessibleInterface(dialog->findChild<QWidget *>(name))
                            ->text(QAccessible::Name);
            QTest::keyClicks(amounts, QStringLiteral("5"));
            QTest::keyClick(amounts, Qt::Key_Tab);
            seen << dialog->focusWidget()->objectName();
            QTRY_VERIFY(dialog->findChild<QPushButton *>("cmdCopy")->isEnabled());
            QTest::keyClick(dialog->findChild<QComboBox *>("cboTo"), Qt::Key_Return);
            seen << QGuiApplication::clipboard()->text();
            QTest::keyClick(dialog, Qt::Key_Escape);
        });
        action("mnuToolsConvertList")->trigger();
        QCOMPARE(seen,
                 QStringList({"DEM - German Mark", "1", "Amounts, one a line:", "Results:", "From:", "To:",
                              "tblResults", Localized("5\t2.56\t2.5600\n")}));
    }
};

QTEST_MAIN(TestListDialog)
#include "test_list_dialog.moc"
