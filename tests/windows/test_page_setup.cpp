#include "ScriptedProgram.h"
#include "TestLocale.h"

#include "app/PrintJob.h"
#include "windows/dialogs/UpDown.h"
#include "windows/dialogs/frmPageSetup.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

#include <memory>

// The page setup dialog on real widgets: the up-down controls and their
// labels, and what OK, Apply and Cancel keep for the next print and write.
class TestPageSetup : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ScriptedProgram> m_program;
    std::unique_ptr<frmPageSetup> m_dialog;

    void open(const QByteArray &ini = QByteArray())
    {
        m_program = std::make_unique<ScriptedProgram>(ini);
        m_dialog = std::make_unique<frmPageSetup>(m_program->controller);
        m_dialog->show();
    }
    template <typename T = QPushButton> T *child(const QString &name) const { return m_dialog->findChild<T *>(name); }
    void click(const QString &button) { QTest::mouseClick(child(button), Qt::LeftButton); }
    // Clicks an arrow while it can be clicked, then the arrow keys, which stop there too.
    void step(const QString &number, int clicks)
    {
        auto *upDown = child<UpDown>(QStringLiteral("upd") + number);
        for (int i = 0; i < qAbs(clicks); ++i) {
            QToolButton *arrow = clicks > 0 ? upDown->upButton() : upDown->downButton();
            if (arrow->isEnabled())
                QTest::mouseClick(arrow, Qt::LeftButton);
            else
                QTest::keyClick(upDown, clicks > 0 ? Qt::Key_Up : Qt::Key_Down);
        }
    }
    QString shown(const QString &number) const { return child<QLabel>(QStringLiteral("lbl") + number)->text(); }
    // The font and size of the next print.
    QString nextPrint()
    {
        PrintJob(m_program->controller, nullptr).Print(PrintJob::ToPrinter, {});
        const PrinterDocument &printed = m_program->platform.printed.last()->document;
        return printed.fontFamily + u' ' + QString::number(printed.pointSize);
    }

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }
    void cleanup() { m_dialog.reset(); }

    // One step per click or key, never beyond either end.
    void rangesStopAtBothEnds_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::newRow("font size") << "FontSize" << 8 << 12;
        QTest::newRow("top margin") << "TopMargin" << 0 << 20;
        QTest::newRow("left margin") << "LeftMargin" << 0 << 30;
        QTest::newRow("lines per page") << "LinesPerPage" << 30 << 80;
    }
    void rangesStopAtBothEnds()
    {
        QFETCH(QString, number);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        open();
        QCOMPARE(child<QLabel>(QStringLiteral("lbl%1MinMax").arg(number))->text(),
                 QStringLiteral("%1 - %2").arg(minimum).arg(maximum));
        step(number, 1);
        QCOMPARE(shown(number), QString::number(minimum + 1));
        step(number, maximum - minimum + 3);
        QCOMPARE(shown(number), QString::number(maximum));
        step(number, -(maximum - minimum + 3));
        QCOMPARE(shown(number), QString::number(minimum));
    }

    // OK changes the next print but not the file. Apply writes and disables
    // Cancel; Cancel afterwards keeps what was applied.
    void okApplyCancel()
    {
        open("[PageSetup]\r\nFontSize=10\r\n");
        QVERIFY(!child("cmdCancel")->isEnabled());
        step(QStringLiteral("FontSize"), 1);
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("chkCourierNewGreek")), Qt::LeftButton);
        QVERIFY(child("cmdCancel")->isEnabled());
        click(QStringLiteral("cmdOK"));
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(nextPrint(), QStringLiteral("Courier New Greek 11"));
        QVERIFY(m_program->ini().startsWith("[PageSetup]\r\nFontSize=10\r\n["));

        m_dialog = std::make_unique<frmPageSetup>(m_program->controller);
        QCOMPARE(shown(QStringLiteral("FontSize")), QStringLiteral("11"));
        step(QStringLiteral("FontSize"), -3);
        click(QStringLiteral("cmdApply"));
        QVERIFY(!child("cmdCancel")->isEnabled());
        QVERIFY(m_program->ini().startsWith("[PageSetup]\r\nFontSize=8\r\nFontName=Courier New Greek\r\nTopMargin=0\r\n"
                                            "LeftMargin=0\r\nLinesPerPage=30\r\n["));
        step(QStringLiteral("FontSize"), 1);
        click(QStringLiteral("cmdCancel"));
        QCOMPARE(nextPrint(), QStringLiteral("Courier New Greek 8"));
    }

    // Any other font name in the file is "Courier New", and so is the print.
    void badFontName()
    {
        open("[PageSetup]\r\nFontName=Arial\r\n");
        QVERIFY(child<QRadioButton>(QStringLiteral("chkCourierNew"))->isChecked());
        QCOMPARE(nextPrint(), QStringLiteral("Courier New 8"));
    }
};

QTEST_MAIN(TestPageSetup)
#include "test_page_setup.moc"
