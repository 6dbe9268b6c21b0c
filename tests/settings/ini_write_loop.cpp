// Rewrites one value of the settings file given as argument, alternating between
// two names, until killed. Tells its parent once the first write is done, so a
// kill always lands inside the loop.
#include "settings/IniAccess.h"
#include "settings/SettingsStore.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2)
        return 2;
    SettingsStore store(QString::fromLocal8Bit(argv[1]));
    const QString names[] = {QStringLiteral("Old"), QStringLiteral("New, longer name")};
    for (bool first = true, longer = true;; first = false, longer = !longer) {
        const QString &name = names[longer];
        if (store.edit([&](IniDocument &ini) { WriteIniString(ini, Setting::OtherCurrency, name); }).failed())
            return 1;
        if (first) {
            std::fputs("writing\n", stdout);
            std::fflush(stdout);
        }
    }
}
