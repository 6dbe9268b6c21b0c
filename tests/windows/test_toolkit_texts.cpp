#include "ScriptedProgram.h"
#include "TestLocale.h"

#include "platform/QtPlatformServices.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTreeView>
#include <QtTest>

#include <functional>

// The toolkit's own windows as the program opens them (the file and folder choosers with their overwrite question
// and menus, the printer setup with its options and properties), in the language the program's switch chose.
class TestToolkitTexts : public QObject
{
    Q_OBJECT

    QStringList m_seen; // every text a window showed

    // What a window shows: captions, titles, tooltips, names read out, column titles, the chosen item of each list
    // (not the folder the chooser is in), and the type of each file listed.
    void look(QWidget *window)
    {
        m_seen << window->windowTitle();
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(window))
                continue;
            for (const char *shown : {"text", "title", "currentText"})
                if (!qobject_cast<QLineEdit *>(w) && w->objectName() != u"lookInCombo")
                    m_seen << w->property(shown).toString();
            m_seen << w->toolTip() << w->accessibleName();
            if (auto *tabs = qobject_cast<QTabBar *>(w))
                for (int i = 0; i < tabs->count(); ++i)
                    m_seen << tabs->tabText(i);
            if (auto *header = qobject_cast<QHeaderView *>(w))
                for (int i = 0; i < header->count(); ++i)
                    m_seen << header->model()->headerData(i, header->orientation()).toString();
        }
        if (auto *files = window->findChild<QTreeView *>("treeView")) {
            const QModelIndex folder = files->rootIndex();
            for (int row = 0; row < files->model()->rowCount(folder); ++row)
                m_seen << files->model()->index(row, 2, folder).data().toString();
        }
    }
    void lookAt(const QMenu *menu)
    {
        for (const QAction *action : menu->actions())
            m_seen << action->text();
    }
    // The words of the English the toolkit speaks on its own; names of files, paper formats and such stay as they are.
    QStringList englishWords() const
    {
        static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
        static const QSet<QString> names{"PDF", "A4", "Letter", "ANSI", "mm", "in", "txt", "ini", "Ctrl", "Shift"};
        QStringList english;
        for (QString text : m_seen) {
            for (const QRegularExpressionMatch &match :
                 word.globalMatch(text.remove(u'&').remove(QStringLiteral("PRN_Euro"))))
                if (!names.contains(match.captured()))
                    english << match.captured() + QStringLiteral(" in \"") + text + u'"';
        }
        return english;
    }
    // Runs `then` on the next modal window once it shows; the caller then opens it.
    void whenShown(std::function<void(QWidget *)> then, QWidget *over = nullptr)
    {
        QTimer::singleShot(50, this, [this, then, over] {
            QWidget *window = QApplication::activeModalWidget();
            if (!window || window == over)
                return whenShown(then, over);
            then(window);
        });
    }
private slots:
    void initTestCase() { QVERIFY(PinTestLocale()); }

    void everyWindowInTheInterfaceLanguage_data()
    {
        QTest::addColumn<Language>("language");
        QTest::newRow("Greek") << Language::Greek;
        QTest::newRow("English, after Greek") << Language::English;
    }
    void everyWindowInTheInterfaceLanguage()
    {
        QFETCH(Language, language);
        ScriptedProgram program;
        program.controller.setLanguage(Language::Greek);
        program.controller.setLanguage(language);
        QtPlatformServices platform;
        QVERIFY(WriteFile(program.path(QStringLiteral("PRN_Euro.txt")), "old"));
        m_seen.clear();

        // The save chooser over a folder with the file, its menus, then its question before replacing the file.
        whenShown([&](QWidget *chooser) {
            chooser->findChild<QAbstractButton *>("detailModeButton")->click();
            auto *files = chooser->findChild<QTreeView *>("treeView");
            QTRY_VERIFY(files->model()->rowCount(files->rootIndex()) > 0);
            look(chooser);
            const std::unique_ptr<QMenu> edit(
                chooser->findChild<QLineEdit *>("fileNameEdit")->createStandardContextMenu());
            lookAt(edit.get());
            QTimer::singleShot(0, this, [this] {
                auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                QVERIFY(menu);
                lookAt(menu);
                menu->close();
            });
            emit files->customContextMenuRequested(QPoint(5, 5));
            whenShown(
                [&](QWidget *question) {
                    look(question);
                    static_cast<QMessageBox *>(question)->button(QMessageBox::No)->click();
                },
                chooser);
            static_cast<QDialog *>(chooser)->accept();
            static_cast<QDialog *>(chooser)->reject();
        });
        QVERIFY(platform.chooseSaveFile(nullptr, {"Τίτλος", program.dir.path(), "PRN_Euro.txt", "Όλα (*)"}).isEmpty());

        whenShown([&](QWidget *chooser) {
            look(chooser);
            static_cast<QDialog *>(chooser)->reject();
        });
        QVERIFY(platform.chooseFolder(nullptr, program.dir.path(), QStringLiteral("Φάκελλος")).isEmpty());

        // The printer setup, with its options shown, then the printer's properties.
        whenShown([&](QWidget *setup) {
            look(setup);
            for (QPushButton *button : setup->findChildren<QPushButton *>())
                if (button->text().contains(u">>"))
                    button->click();
            look(setup);
            whenShown(
                [&](QWidget *properties) {
                    look(properties);
                    static_cast<QDialog *>(properties)->reject();
                    static_cast<QDialog *>(setup)->reject();
                },
                setup);
            setup->findChild<QPushButton *>("properties")->click();
        });
        QVERIFY(!platform.printerSetup(nullptr, QStringLiteral("Εκτυπωτής")));

        if (language == Language::Greek) {
            QVERIFY2(englishWords().isEmpty(), qPrintable(englishWords().join(u'|')));
            QVERIFY(m_seen.contains(QStringLiteral("Το «PRN_Euro.txt» υπάρχει ήδη.\nΘέλετε να αντικατασταθεί;")));
            QVERIFY(m_seen.contains(QStringLiteral("Αρχείο txt"))
                    && m_seen.contains(QStringLiteral("Ιδιότητες εκτυπωτή")));
        } else {
            for (const char *english : {"Look in:", "Printer Properties", "&Yes", "Detail View"})
                QVERIFY2(m_seen.contains(QLatin1String(english)), english);
        }
    }
};

QTEST_MAIN(TestToolkitTexts)
#include "test_toolkit_texts.moc"
