// Rewrites one value of the settings file given, alternating two names, until killed. Tells its parent
// once the first write is done, so that a kill always lands inside the loop.
#include "settings/IniAccess.h"
#include "settings/SettingsStore.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2)
        return 2;
    SettingsStore store(QString::fromLocal8Bit(argv[1]));
    const QString names[] = {QStringLiteral("New, longer name"), QStringLiteral("Old")};
    for (unsigned i = 0;; ++i) {
        if (store.edit([&](IniDocument &ini) { WriteIniString(ini, Setting::OtherCurrency, names[i % 2]); }).failed())
            return 1;
        if (i == 0) {
            std::fputs("writing\n", stdout);
            std::fflush(stdout);
        }
    }
}
