#include "ScriptedPlatform.h"
#include "TestLocale.h"

#include "app/MainController.h"
#include "windows/dialogs/UpDown.h"
#include "windows/dialogs/frmPageSetup.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

// The page setup dialog on real widgets: the up-down controls and their
// labels, and what OK, Apply and Cancel keep and write.
class TestPageSetup : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<MainController> m_controller;
    std::unique_ptr<frmPageSetup> m_dialog;

    QString iniPath() const { return m_dir->filePath(QStringLiteral("zkEuroChangeoverAdviser.ini")); }
    QByteArray readIni() const
    {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void open(const QByteArray &ini = QByteArray())
    {
        QFile file(iniPath());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(ini) == ini.size());
        file.close();
        if (!m_controller) {
            m_controller = std::make_unique<MainController>(*m_platform);
            QVERIFY(m_controller->StartUp());
        }
        m_dialog = std::make_unique<frmPageSetup>(*m_controller);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }
    template <typename T = QPushButton> T *child(const QString &name) const
    {
        T *widget = m_dialog->findChild<T *>(name);
        if (!widget)
            qFatal("no child %s", qPrintable(name));
        return widget;
    }
    void click(const QString &button) { QTest::mouseClick(child(button), Qt::LeftButton); }
    void step(const QString &number, int clicks)
    {
        auto *upDown = child<UpDown>(QStringLiteral("upd") + number);
        for (int i = 0; i < qAbs(clicks); ++i) {
            QToolButton *arrow = clicks > 0 ? upDown->upButton() : upDown->downButton();
            if (arrow->isEnabled())
                QTest::mouseClick(arrow, Qt::LeftButton);
            else
                QTest::keyClick(upDown, clicks > 0 ? Qt::Key_Up : Qt::Key_Down); // the keys stop there too
        }
    }
    QString shown(const QString &number) const { return child<QLabel>(QStringLiteral("lbl") + number)->text(); }

private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_platform = std::make_unique<ScriptedPlatform>(m_dir->path());
        m_controller.reset();
    }
    void cleanup() { m_dialog.reset(); }

    // One step per click or key, never beyond either end.
    void rangesStopAtBothEnds_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("range");
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::newRow("font size") << "FontSize" << "8 - 12" << 8 << 12;
        QTest::newRow("top margin") << "TopMargin" << "0 - 20" << 0 << 20;
        QTest::newRow("left margin") << "LeftMargin" << "0 - 30" << 0 << 30;
        QTest::newRow("lines per page") << "LinesPerPage" << "30 - 80" << 30 << 80;
    }
    void rangesStopAtBothEnds()
    {
        QFETCH(QString, number);
        QFETCH(QString, range);
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        open();
        QCOMPARE(child<QLabel>(QStringLiteral("lbl%1MinMax").arg(number))->text(), range);
        QCOMPARE(shown(number), QString::number(minimum));
        step(number, 1);
        QCOMPARE(shown(number), QString::number(minimum + 1));
        step(number, maximum - minimum + 3);
        QCOMPARE(shown(number), QString::number(maximum));
        step(number, -(maximum - minimum + 3));
        QCOMPARE(shown(number), QString::number(minimum));
    }

    // OK changes the next print but not the file: the next start shows the old value.
    void okKeepsForTheRunningProgramOnly()
    {
        open("[PageSetup]\r\nFontSize=10\r\n");
        QVERIFY(!child("cmdCancel")->isEnabled());
        step(QStringLiteral("FontSize"), 1);
        QTest::mouseClick(child<QRadioButton>(QStringLiteral("chkCourierNewGreek")), Qt::LeftButton);
        QVERIFY(child("cmdCancel")->isEnabled());
        click(QStringLiteral("cmdOK"));
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_controller->pageSetup().FontSize, 11);
        QCOMPARE(m_controller->pageSetup().FontName, QStringLiteral("Courier New Greek"));
        QCOMPARE(readIni(), QByteArray("[PageSetup]\r\nFontSize=10\r\n"));
        m_controller.reset();
        open(readIni());
        QCOMPARE(shown(QStringLiteral("FontSize")), QStringLiteral("10"));
        QVERIFY(child<QRadioButton>(QStringLiteral("chkCourierNew"))->isChecked());
    }

    // Apply writes and disables Cancel; Cancel afterwards keeps what was applied.
    void applyThenCancel()
    {
        open();
        step(QStringLiteral("LinesPerPage"), 5);
        step(QStringLiteral("LeftMargin"), 2);
        click(QStringLiteral("cmdApply"));
        QVERIFY(m_dialog->isVisible());
        QVERIFY(!child("cmdCancel")->isEnabled());
        QCOMPARE(readIni(), QByteArray("[PageSetup]\r\nFontName=Courier New\r\nFontSize=8\r\nTopMargin=0\r\n"
                                       "LeftMargin=2\r\nLinesPerPage=35\r\n"));
        step(QStringLiteral("TopMargin"), 1);
        click(QStringLiteral("cmdCancel"));
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(m_controller->pageSetup().LinesPerPage, 35);
        QCOMPARE(m_controller->pageSetup().TopMargin, 0);
        QCOMPARE(m_controller->pageSetup().LeftMargin, 2);
    }

    // Any other font name in the file is "Courier New"; other bad values their default.
    void badValuesGiveTheDefaults()
    {
        open("[PageSetup]\r\nFontName=Arial\r\nFontSize=13\r\nLinesPerPage=29\r\nTopMargin=x\r\n");
        QVERIFY(child<QRadioButton>(QStringLiteral("chkCourierNew"))->isChecked());
        QVERIFY(!child<QRadioButton>(QStringLiteral("chkCourierNewGreek"))->isChecked());
        QCOMPARE(shown(QStringLiteral("FontSize")), QStringLiteral("8"));
        QCOMPARE(shown(QStringLiteral("LinesPerPage")), QStringLiteral("30"));
        QCOMPARE(shown(QStringLiteral("TopMargin")), QStringLiteral("0"));
        QCOMPARE(m_controller->pageSetup().FontName, QStringLiteral("Courier New"));
    }
};

QTEST_MAIN(TestPageSetup)
#include "test_page_setup.moc"
