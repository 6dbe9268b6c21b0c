#include "ScriptedPlatform.h"
#include "TestLocale.h"

#include "app/MainController.h"
#include "app/Texts.h"
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

#include <functional>
#include <memory>

// The About box as the user opens it from the main window.
class TestAbout : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir; // a new settings file for each test
    QByteArray m_path;
    std::unique_ptr<ScriptedPlatform> m_platform;
    std::unique_ptr<MainController> m_controller;
    std::unique_ptr<frmMain> m_main;

    // Opens the box from the main window, hands it to `inside`, then closes it
    // with OK; false when no box opened.
    bool openAbout(const QString &opener, const std::function<void(frmAbout *)> &inside)
    {
        bool opened = false;
        QTimer::singleShot(0, this, [&] {
            if (auto *box = qobject_cast<frmAbout *>(QApplication::activeModalWidget())) {
                opened = true;
                inside(box);
                QTest::mouseClick(box->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
            }
        });
        if (auto *button = m_main->findChild<QToolButton *>(opener))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            m_main->findChild<QAction *>(opener)->trigger();
        QCoreApplication::processEvents(); // a box that never opened leaves the timer to run here
        return opened;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(PinTestLocale());
        m_path = qgetenv("PATH");
    }
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_platform = std::make_unique<ScriptedPlatform>(m_dir->path());
        m_controller = std::make_unique<MainController>(*m_platform);
        QVERIFY(m_controller->StartUp());
        m_main = std::make_unique<frmMain>(*m_controller);
        m_main->show();
    }
    void cleanup()
    {
        m_main.reset();
        qputenv("PATH", m_path);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void textsInTheLanguageOfOpening_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<bool>("greek");
        QTest::addColumn<QStringList>("texts"); // caption, title, version prefix, system-information button
        QTest::addColumn<QString>("quotes");
        QTest::newRow("menu, English") << "mnuHelpAbout" << false
                                       << QStringList{"About", "Euro changeover adviser", "Version ", "System Info..."}
                                       << "'%1'";
        QTest::newRow("button, Greek") << "cmdCopyright" << true
                                       << QStringList{"Σχετικά", "Σύμβουλος μετάβασης στο Ευρώ", "Έκδοση ",
                                                      "Πληροφορίες συστήματος..."}
                                       << "«%1»";
    }
    void textsInTheLanguageOfOpening()
    {
        QFETCH(QString, opener);
        QFETCH(bool, greek);
        QFETCH(QStringList, texts);
        QFETCH(QString, quotes);
        QTest::mouseClick(m_main->findChild<QToolButton *>(QStringLiteral("cmdLanguage_%1").arg(greek ? 0 : 1)),
                          Qt::LeftButton);
        const int broughtToFront = m_platform->broughtToFront;
        QStringList shown;
        QVERIFY(openAbout(opener, [&shown](frmAbout *box) {
            const auto label = [box](const char *name) {
                return box->findChild<QLabel *>(QLatin1String(name))->text();
            };
            shown =
                QStringList{box->windowTitle(),     label("lblTitle"),
                            label("lblVersion"),    box->findChild<QPushButton *>(QStringLiteral("cmdSysInfo"))->text(),
                            label("lblDisclaimer"), label("lblCopyright"),
                            label("lblDescription")};
        }));
        // The project's version, each number padded to four digits.
        QStringList numbers = QStringLiteral(PROJECT_VERSION).split(u'.');
        for (QString &number : numbers)
            number = number.rightJustified(4, u'0');
        texts[2] += numbers.join(u'.');
        texts << QString()
              << texts[1] + QStringLiteral(" © ") + Text(TextId::AboutAuthor, greek) + QStringLiteral(", ")
                + QDate::currentDate().toString(Qt::ISODate);
        QCOMPARE(shown.mid(0, 6), texts);
        // Three paragraphs; the last leads to the Help menu's hints item by their real names.
        const QStringList paragraphs = shown[6].split(QStringLiteral("\n\n"));
        QCOMPARE(paragraphs.size(), 3);
        QVERIFY(paragraphs[2].contains(quotes.arg(Text(TextId::MenuHelpTips, greek).chopped(3))));
        QVERIFY(paragraphs[2].contains(quotes.arg(Text(TextId::MenuHelp, greek))));
        QCOMPARE(m_platform->broughtToFront, broughtToFront + 1);
    }

    // A fake program on PATH is started, none gives the message; the box stays open.
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
        QFile program(bin.filePath(QStringLiteral("kinfocenter")));
        QVERIFY(!installed || (program.open(QIODevice::WriteOnly) && program.setPermissions(QFileDevice::ExeOwner)));
        qputenv("PATH", QFile::encodeName(bin.path()));
        QWidget *owner = nullptr;
        bool open = false;
        QVERIFY(openAbout(QStringLiteral("cmdCopyright"), [&](frmAbout *box) {
            QTest::mouseClick(box->findChild<QPushButton *>(QStringLiteral("cmdSysInfo")), Qt::LeftButton);
            open = box->isVisible();
            owner = box;
        }));
        QVERIFY(open);
        QCOMPARE(m_platform->started, installed ? QList<QStringList>{{program.fileName()}} : QList<QStringList>());
        QCOMPARE(m_platform->messages.size(), installed ? 0 : 1);
        if (!installed) {
            QCOMPARE(m_platform->messages[0].caption, QStringLiteral("System information"));
            QCOMPARE(m_platform->messages[0].text, QStringLiteral("System Information is unavailable at this time."));
            QCOMPARE(m_platform->messages[0].owner, owner);
        }
    }

    // A picture that cannot be read is reported with the opening's location;
    // ending the program there shows no box.
    void failedOpeningReported()
    {
        m_platform->answers = {MessageAnswer::Yes};
        Q_CLEANUP_RESOURCE(pictures);
        const bool opened = openAbout(QStringLiteral("cmdCopyright"), [](frmAbout *) {});
        Q_INIT_RESOURCE(pictures);
        QVERIFY(!opened);
        QVERIFY(m_platform->ended);
        QCOMPARE(m_platform->messages.size(), 1);
        QCOMPARE(m_platform->messages[0].caption, QStringLiteral("Euro changeover adviser [ AFL1000 ]"));
        QVERIFY(
            m_platform->messages[0].text.contains(QStringLiteral("'File not found: :/pictures/icon_copyright.svg'")));
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
