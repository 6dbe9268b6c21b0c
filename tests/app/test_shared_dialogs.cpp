#include "../windows/ScriptedPlatform.h"

#include "app/AppValues.h"
#include "app/ErrorTrap.h"
#include "app/SharedDialogs.h"

#include <QtTest>

class TestSharedDialogs : public QObject
{
    Q_OBJECT

private slots:
    void reportIsInTheInterfaceLanguage()
    {
        ScriptedPlatform platform{QString()};
        AppValues app;
        app.GreekLanguage = true;
        SharedDialogs dialogs(platform, app);
        platform.answers = {MessageAnswer::Yes};
        QVERIFY(dialogs.ReportUnexpectedError(nullptr, QStringLiteral("Euro changeover adviser"), 5, QString(),
                                              QStringLiteral("MFL1000")));
        QCOMPARE(platform.messages[0].caption, QStringLiteral("Euro changeover adviser [ MFL1000 ]"));
        QVERIFY(platform.messages[0].text.startsWith(QStringLiteral("Παρουσιάσθηκε το σφάλμα με αριθμό 5")));
        QCOMPARE(platform.messages[0].style, MessageStyle::Question);
        QVERIFY(platform.messages[0].greek);
        QVERIFY(!platform.ended); // the caller ends the program, not the report
    }

    // No goes on with the next step; Yes ends the program and stops the handler.
    void trapRunsStepsUntilTheUserEnds()
    {
        ScriptedPlatform platform{QString()};
        AppValues app;
        app.ProgramTitle = QStringLiteral("Euro changeover adviser");
        SharedDialogs dialogs(platform, app);
        ErrorTrap trap(dialogs, nullptr, QStringLiteral("342"));
        platform.answers = {MessageAnswer::No, MessageAnswer::Yes};
        QVERIFY(trap.check(0));
        QVERIFY(platform.messages.isEmpty());
        QVERIFY(trap.check(61));
        QVERIFY(platform.messages[0].text.contains(QStringLiteral("'Disk full'")));
        QVERIFY(!trap.ended());
        QVERIFY(!trap.check(75));
        QVERIFY(trap.ended());
        QVERIFY(platform.ended);
        QVERIFY(!trap.check(0));
        QCOMPARE(platform.messages.size(), 2);
    }
};

QTEST_MAIN(TestSharedDialogs)
#include "test_shared_dialogs.moc"
