#include "ScriptedProgram.h"
#include "TestLocale.h"

#include "app/Texts.h"
#include "windows/dialogs/frmAbout.h"
#include "windows/main/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

// The About box as the user opens it from the main window; what it shows and starts is AboutModel's.
class TestAbout : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScriptedProgram> m_program; // a new settings file for each test
    std::unique_ptr<frmMain> m_main;

    // Opens the box from the main window, hands it to `inside`, closes it with OK; false when none opened.
    bool openAbout(const char *opener, const std::function<void(frmAbout *)> &inside)
    {
        bool opened = false;
        QTimer::singleShot(0, this, [&] {
            if (auto *box = qobject_cast<frmAbout *>(QApplication::activeModalWidget())) {
                opened = true;
                inside(box);
                box->findChild<QPushButton *>("cmdOK")->click();
            }
        });
        if (auto *button = m_main->findChild<QToolButton *>(opener))
            button->click();
        else
            m_main->findChild<QAction *>(opener)->trigger();
        QCoreApplication::processEvents(); // a box that never opened leaves the timer to run here
        return opened;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(PinTestLocale());
        qputenv("PATH", "/nonexistent"); // no system-information program to start
    }
    void init()
    {
        m_program = std::make_unique<ScriptedProgram>();
        m_main = std::make_unique<frmMain>(m_program->controller);
        m_main->show();
    }
    void cleanup()
    {
        m_main.reset();
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    // The texts follow the language of the opening; the description names the Help menu's hints item as
    // the menu does. Without a system-information program the box says so over itself, and stays open.
    void textsInTheLanguageOfOpening_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("texts"); // caption|title|version|system information|maker|disclaimer
        QTest::newRow("menu, English") << "mnuHelpAbout" << false
                                       << "About|Euro changeover adviser|Version |System Info...|Stone-Gleam Software|";
        QTest::newRow("button, Greek")
            << "cmdCopyright" << true
            << "Σχετικά|Σύμβουλος μετάβασης στο Ευρώ|Έκδοση |Πληροφορίες συστήματος...|Stone-Gleam Software|";
    }
    void textsInTheLanguageOfOpening()
    {
        QFETCH(QString, opener);
        QFETCH(bool, greek);
        QFETCH(QString, texts);
        m_main->findChild<QAction *>(greek ? "mnuToolsGreek" : "mnuToolsEnglish")->trigger();
        const int broughtToFront = m_program->platform.broughtToFront;
        QStringList shown;
        QVERIFY(openAbout(qPrintable(opener), [&](frmAbout *box) {
            shown << box->windowTitle();
            for (const char *name :
                 {"lblTitle", "lblVersion", "cmdSysInfo", "cmdStoneGleam", "lblDisclaimer", "lblCopyright"})
                shown << box->findChild<QWidget *>(name)->property("text").toString();
            shown << box->findChild<QLabel *>("lblDescription")->text().split(QStringLiteral("\n\n")).value(2);
            box->findChild<QPushButton *>("cmdSysInfo")->click();
            QVERIFY(box->isVisible() && m_program->platform.messages.size() == 1);
            QCOMPARE(m_program->platform.messages[0].owner, box);
        }));
        QStringList expected = texts.split(u'|');
        expected[2] += AboutModel::ProgramVersion();
        expected << AboutModel(m_program->controller.dialogs()).authorLine(QDate::currentDate());
        QCOMPARE(shown.mid(0, 7), expected);
        const QString quotes = greek ? QStringLiteral("«%1»") : QStringLiteral("'%1'");
        QVERIFY(shown[7].contains(quotes.arg(Text(TextId::MenuHelpTips, greek).chopped(3)))
                && shown[7].contains(quotes.arg(Text(TextId::MenuHelp, greek))));
        QCOMPARE(m_program->platform.broughtToFront, broughtToFront + 1);
    }

    // A picture that cannot be read is reported with the opening's location; ending there shows no box.
    void failedOpeningReported()
    {
        m_program->platform.answers = {MessageAnswer::Yes};
        Q_CLEANUP_RESOURCE(pictures);
        const bool opened = openAbout("cmdCopyright", [](frmAbout *) {});
        Q_INIT_RESOURCE(pictures);
        QVERIFY(!opened && m_program->platform.ended && m_program->platform.messages.size() == 1);
        QCOMPARE(m_program->platform.messages[0].caption, QStringLiteral("Euro changeover adviser [ AFL1000 ]"));
        QVERIFY(m_program->platform.messages[0].text.contains(u"'File not found: :/pictures/icon_copyright.svg'"));
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
