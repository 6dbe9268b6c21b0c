#include "ScriptedProgram.h"

#include "app/PrintJob.h"
#include "windows/dialogs/UpDown.h"
#include "windows/dialogs/frmPageSetup.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

// The page setup dialog on real widgets, from the default page setup: the up-down
// controls, and what OK, Apply and Cancel keep for the next print and write.
class TestPageSetup : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScriptedProgram> m_program;
    std::unique_ptr<frmPageSetup> m_dialog;

    template<typename T = QPushButton>
    T *child(const QString &name) const
    {
        return m_dialog->findChild<T *>(name);
    }
    void stepUp(const QString &number) { QTest::keyClick(child<UpDown>("upd" + number), Qt::Key_Up); }
    QString shown(const QString &number) const { return child<QLabel>("lbl" + number)->text(); }
    // The font, its size and the left margin (where the rule under the title starts) of the next print.
    QString nextPrint()
    {
        PrintJob(m_program->controller, nullptr).Print(PrintJob::ToPrinter, {});
        const PrintedDocument &printed = *m_program->platform.printed.last();
        return printed.document.fontFamily
            + QStringLiteral(" %1, %2").arg(printed.document.pointSize).arg(printed.lines[1].indexOf(u'-'));
    }

private slots:
    void init()
    {
        m_program = std::make_unique<ScriptedProgram>();
        m_dialog = std::make_unique<frmPageSetup>(m_program->controller);
        m_dialog->show();
    }
    void cleanup() { m_dialog.reset(); }

    // One step per click or key from the default, the minimum; never beyond either end.
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
        QCOMPARE(child<QLabel>("lbl" + number + "MinMax")->text(), QStringLiteral("%1 - %2").arg(minimum).arg(maximum));
        auto *upDown = child<UpDown>("upd" + number);
        QTest::mouseClick(upDown->upButton(), Qt::LeftButton);
        QCOMPARE(shown(number), QString::number(minimum + 1));
        for (int i = minimum; i <= maximum; ++i)
            stepUp(number);
        QCOMPARE(shown(number), QString::number(maximum));
        for (int i = minimum; i <= maximum; ++i)
            QTest::mouseClick(upDown->downButton(), Qt::LeftButton);
        QCOMPARE(shown(number), QString::number(minimum));
    }

    // OK changes the next print but not the file. Apply writes and disables
    // Cancel; Cancel afterwards keeps what was applied.
    void okApplyCancel()
    {
        QVERIFY(!child("cmdCancel")->isEnabled());
        stepUp("FontSize");
        child<QRadioButton>("chkCourierNewGreek")->click();
        QVERIFY(child("cmdCancel")->isEnabled());
        child("cmdOK")->click();
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(nextPrint(), QStringLiteral("Courier New Greek 9, 0"));
        QVERIFY(!m_program->ini().contains("[PageSetup]"));

        m_dialog = std::make_unique<frmPageSetup>(m_program->controller);
        QCOMPARE(shown("FontSize"), QStringLiteral("9"));
        stepUp("LeftMargin");
        child("cmdApply")->click();
        QVERIFY(!child("cmdCancel")->isEnabled());
        QVERIFY(m_program->ini().contains("[PageSetup]\r\nFontName=Courier New Greek\r\nFontSize=9\r\nTopMargin=0\r\n"
                                          "LeftMargin=1\r\nLinesPerPage=30\r\n"));
        stepUp("FontSize");
        child("cmdCancel")->click();
        QCOMPARE(nextPrint(), QStringLiteral("Courier New Greek 9, 1"));
    }
};

QTEST_MAIN(TestPageSetup)
#include "test_page_setup.moc"
