#include "ScriptedPlatform.h"
#include "TestLocale.h"

#include "app/AppValues.h"
#include "app/MainController.h"
#include "app/SharedDialogs.h"
#include "app/Texts.h"
#include "windows/ContextHelp.h"
#include "windows/dialogs/frmAbout.h"
#include "windows/main/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

// The About box on real widgets: its texts in the language it opens in, its
// system-information button, its opening from the main window and a failed opening.
class TestAbout : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ScriptedPlatform> m_platform;
    AppValues m_app;
    std::unique_ptr<SharedDialogs> m_dialogs;
    QByteArray m_path;

    std::unique_ptr<frmAbout> open(bool greek)
    {
        m_app.GreekLanguage = greek;
        m_app.ProgramTitle = Text(TextId::ProgramTitle, greek);
        auto box = std::make_unique<frmAbout>(*m_dialogs);
        box->show();
        if (!QTest::qWaitForWindowExposed(box.get()))
            qWarning("About box not shown");
        return box;
    }
    template <typename T> static T *child(QWidget *window, const char *name)
    {
        T *widget = window->findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no child %s", name);
        return widget;
    }
    static QString text(QWidget *window, const char *name) { return child<QLabel>(window, name)->text(); }

private slots:
    void initTestCase()
    {
        QVERIFY(PinTestLocale());
        m_path = qgetenv("PATH");
    }
    void init()
    {
        m_platform = std::make_unique<ScriptedPlatform>();
        m_dialogs = std::make_unique<SharedDialogs>(*m_platform, m_app);
    }
    void cleanup()
    {
        qputenv("PATH", m_path);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void textsInTheLanguageOfOpening_data()
    {
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("sysInfo");
        QTest::addColumn<QString>("quotes"); // how names are quoted in the language
        QTest::newRow("English") << false << "About" << "Euro changeover adviser" << "Version " << "System Info..."
                                 << "'%1'";
        QTest::newRow("Greek") << true << "Σχετικά" << "Σύμβουλος μετάβασης στο Ευρώ" << "Έκδοση "
                               << "Πληροφορίες συστήματος..." << "«%1»";
    }
    void textsInTheLanguageOfOpening()
    {
        QFETCH(bool, greek);
        QFETCH(QString, caption);
        QFETCH(QString, title);
        QFETCH(QString, version);
        QFETCH(QString, sysInfo);
        QFETCH(QString, quotes);
        const std::unique_ptr<frmAbout> box = open(greek);
        QCOMPARE(box->windowTitle(), caption);
        QCOMPARE(text(box.get(), "lblTitle"), title);
        // The project's version, each number padded to four digits.
        QStringList numbers = QStringLiteral(PROJECT_VERSION).split(u'.');
        for (QString &number : numbers)
            number = number.rightJustified(4, u'0');
        QCOMPARE(text(box.get(), "lblVersion"), version + numbers.join(u'.'));
        QCOMPARE(child<QPushButton>(box.get(), "cmdSysInfo")->text(), sysInfo);
        QVERIFY(text(box.get(), "lblDisclaimer").isEmpty());
        QVERIFY(child<QLabel>(box.get(), "lblDisclaimer")->height() > 0);
        QCOMPARE(text(box.get(), "lblCopyright"),
                 title + QStringLiteral(" © ") + Text(TextId::AboutAuthor, greek) + QStringLiteral(", ")
                     + QDate::currentDate().toString(Qt::ISODate));
        auto *maker = child<QToolButton>(box.get(), "cmdStoneGleam");
        QCOMPARE(maker->text(), QStringLiteral("Stone-Gleam Software"));
        QVERIFY(!maker->icon().isNull());

        // Three paragraphs; the last leads to the Help menu's hints item by their real names.
        const QStringList paragraphs = text(box.get(), "lblDescription").split(QStringLiteral("\n\n"));
        QCOMPARE(paragraphs.size(), 3);
        QString tips = Text(TextId::MenuHelpTips, greek);
        tips.chop(3); // "..."
        QVERIFY(paragraphs[2].contains(quotes.arg(tips)));
        QVERIFY(paragraphs[2].contains(quotes.arg(Text(TextId::MenuHelp, greek))));
        QVERIFY(box->findChild<ContextHelp *>());
        QVERIFY(m_platform->messages.isEmpty());
    }

    // A fake program on PATH is started and the box stays open; without one
    // the message says so, owned by the box, and nothing starts.
    void systemInformation_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::newRow("no program on PATH") << false;
        QTest::newRow("a program on PATH") << true;
    }
    void systemInformation()
    {
        QFETCH(bool, installed);
        QTemporaryDir bin;
        const QString program = bin.filePath(QStringLiteral("kinfocenter"));
        if (installed) {
            QFile file(program);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("#!/bin/sh\n");
            QVERIFY(file.setPermissions(file.permissions() | QFileDevice::ExeOwner));
        }
        qputenv("PATH", QFile::encodeName(bin.path()));
        const std::unique_ptr<frmAbout> box = open(false);
        QTest::mouseClick(child<QPushButton>(box.get(), "cmdSysInfo"), Qt::LeftButton);
        QVERIFY(box->isVisible());
        if (installed) {
            QCOMPARE(m_platform->started, QList<QStringList>{{program}});
            QVERIFY(m_platform->messages.isEmpty());
            return;
        }
        QVERIFY(m_platform->started.isEmpty());
        QCOMPARE(m_platform->messages.size(), 1);
        QCOMPARE(m_platform->messages[0].caption, QStringLiteral("System information"));
        QCOMPARE(m_platform->messages[0].text, QStringLiteral("System Information is unavailable at this time."));
        QCOMPARE(m_platform->messages[0].style, MessageStyle::Information);
        QCOMPARE(m_platform->messages[0].owner, box.get());
    }

    // The menu item and the button open the same modal box in the language of
    // the moment; closed, it brings the main window to the front. An opening
    // that ends the program shows no box.
    void openedFromTheMainWindow_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<bool>("greek");
        QTest::addColumn<bool>("ending");
        QTest::newRow("menu, English") << "mnuHelpAbout" << false << false;
        QTest::newRow("button, Greek") << "cmdCopyright" << true << false;
        QTest::newRow("ending while it opens") << "cmdCopyright" << false << true;
    }
    void openedFromTheMainWindow()
    {
        QFETCH(QString, opener);
        QFETCH(bool, greek);
        QFETCH(bool, ending);
        QTemporaryDir folder;
        ScriptedPlatform platform(folder.path());
        MainController controller(platform);
        QVERIFY(controller.StartUp());
        frmMain window(controller);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(window.findChild<QToolButton *>(QStringLiteral("cmdLanguage_%1").arg(greek ? 0 : 1)),
                          Qt::LeftButton);
        const int broughtToFront = platform.broughtToFront;
        QString caption = QStringLiteral("none");
        QTimer::singleShot(0, this, [&caption] {
            if (auto *box = qobject_cast<frmAbout *>(QApplication::activeModalWidget())) {
                caption = box->windowTitle();
                QTest::mouseClick(child<QPushButton>(box, "cmdOK"), Qt::LeftButton);
            }
        });
        if (ending) {
            platform.answers = {MessageAnswer::Yes};
            Q_CLEANUP_RESOURCE(pictures);
        }
        if (auto *button = window.findChild<QToolButton *>(opener))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            child<QAction>(&window, qPrintable(opener))->trigger();
        if (ending)
            Q_INIT_RESOURCE(pictures);
        QCoreApplication::processEvents(); // a box that never opened leaves the check to run here
        QCOMPARE(platform.ended, ending);
        QCOMPARE(caption, ending ? QStringLiteral("none") : Text(TextId::AboutCaption, greek));
        if (!ending)
            QCOMPARE(platform.broughtToFront, broughtToFront + 1);
        QVERIFY(window.findChildren<frmAbout *>().isEmpty());
    }

    // A picture that cannot be read is reported with the opening's location:
    // No opens the box with the maker's name alone, Yes ends the program.
    void missingPictureReported_data()
    {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("go on") << MessageAnswer::No;
        QTest::newRow("end") << MessageAnswer::Yes;
    }
    void missingPictureReported()
    {
        QFETCH(MessageAnswer, answer);
        m_platform->answers = {answer};
        Q_CLEANUP_RESOURCE(pictures);
        const std::unique_ptr<frmAbout> box = open(false);
        Q_INIT_RESOURCE(pictures);
        QCOMPARE(m_platform->messages.size(), 1);
        QCOMPARE(m_platform->messages[0].caption, QStringLiteral("Euro changeover adviser [ AFL1000 ]"));
        QVERIFY2(m_platform->messages[0].text.contains(QStringLiteral("'File not found: :/pictures/icon_copyright.svg'")),
                 qPrintable(m_platform->messages[0].text));
        QCOMPARE(m_platform->ended, answer == MessageAnswer::Yes);
        auto *maker = child<QToolButton>(box.get(), "cmdStoneGleam");
        QVERIFY(maker->icon().isNull());
        QCOMPARE(maker->text(), QStringLiteral("Stone-Gleam Software"));
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
