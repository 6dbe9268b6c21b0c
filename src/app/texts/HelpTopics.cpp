#include "app/texts/HelpTopics.h"

#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>

namespace {

// A topic in every language, in the order of Language.
using Topic = std::array<QString, Languages.size()>;
using TopicTable = QHash<QString, Topic>;
// The file's name of each language.
constexpr std::array<const char *, Languages.size()> LanguageKeys = {"en", "el"};

QString keyOf(const QString &window, const QString &control) { return window + QLatin1Char('/') + control; }

// The file is { window: { control: { "en": text, "el": text } } }. A file that
// does not read leaves every control without help rather than stopping the program.
TopicTable load()
{
    TopicTable table;
    QFile file(QStringLiteral(":/help/topics.json"));
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("help topics: %s", qPrintable(file.errorString()));
        return table;
    }
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
    if (!document.isObject()) {
        qWarning("help topics: %s at %d", qPrintable(error.errorString()), error.offset);
        return table;
    }
    const QJsonObject windows = document.object();
    for (auto window = windows.begin(); window != windows.end(); ++window) {
        const QJsonObject controls = window.value().toObject();
        for (auto control = controls.begin(); control != controls.end(); ++control) {
            const QJsonObject texts = control.value().toObject();
            Topic &topic = table[keyOf(window.key(), control.key())];
            for (const Language language : Languages)
                topic[IndexOf(language)] = texts.value(QLatin1String(LanguageKeys[IndexOf(language)])).toString();
        }
    }
    return table;
}

const TopicTable &topics()
{
    static const TopicTable table = load();
    return table;
}

} // namespace

QString HelpTopics::topic(const QString &window, const QString &control, Language language)
{
    const auto found = topics().constFind(keyOf(window, control));
    if (found == topics().constEnd())
        return QString();
    return (*found)[IndexOf(language)];
}

QStringList HelpTopics::keys()
{
    QStringList keys = topics().keys();
    keys.sort();
    return keys;
}
