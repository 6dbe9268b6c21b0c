#include "app/HelpTopics.h"

#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

struct Topic
{
    QString english;
    QString greek;
};

using TopicTable = QHash<QString, Topic>;

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
            table.insert(keyOf(window.key(), control.key()),
                         {texts.value(QLatin1String("en")).toString(), texts.value(QLatin1String("el")).toString()});
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

QString HelpTopics::topic(const QString &window, const QString &control, bool greek)
{
    const auto found = topics().constFind(keyOf(window, control));
    if (found == topics().constEnd())
        return QString();
    return greek ? found->greek : found->english;
}

QStringList HelpTopics::keys()
{
    QStringList keys = topics().keys();
    keys.sort();
    return keys;
}
