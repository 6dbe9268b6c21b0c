#include "app/logic/AmountList.h"

#include "app/conversion/CurrentConversion.h"
#include "app/services/FileChooserFolder.h"
#include "app/services/SharedDialogs.h"
#include "app/texts/PrintableText.h"
#include "core/WideInteger.h"
#include "files/SafeFile.h"

#include <algorithm>

namespace {

// How many refused lines the summary names before it counts the rest.
constexpr int NamedLines = 5;

// A sum held beyond the range of one amount, as the rows say an overflow.
std::optional<Money> SumAsMoney(Int128 sum)
{
    if (sum < Int128(Money::minimum().raw()) || sum > Int128(Money::maximum().raw()))
        return std::nullopt;
    return Money::fromRaw(std::int64_t(sum));
}

} // namespace

AmountList::AmountList(SharedDialogs &dialogs, const CurrentConversion &conversion)
    : m_dialogs(dialogs)
    , m_state(conversion.state())
    , m_language(dialogs.app().language())
    , m_from(conversion.currentSlot())
{
    restart();
    convertSome(0);
    publish();
}

QStringList AmountList::choices() const
{
    QStringList choices;
    for (int index = 0; index < CurrencyChoiceCount; ++index)
        choices << ChoiceCaption(m_state, CurrencyChoiceAt(index), m_language);
    return choices;
}

void AmountList::setFrom(int index)
{
    m_from = index;
    restart();
}

void AmountList::setTo(int index)
{
    m_to = index;
    restart();
}

void AmountList::setInput(const QString &text)
{
    m_pending.input = text;
    restart();
}

void AmountList::restart()
{
    m_pending.from = CurrencyChoiceAt(m_from);
    m_pending.to = CurrencyChoiceAt(m_to);
    m_pending.list.emplace(m_state, m_pending.from, m_pending.to, m_language);
    m_pending.rows.clear();
    m_position = 0;
}

bool AmountList::convertSome(int lines)
{
    const QStringView input(m_pending.input);
    for (int converted = 0; converted < lines && m_position < input.size(); ++converted) {
        qsizetype end = input.indexOf(u'\n', m_position);
        if (end < 0)
            end = input.size();
        const QStringView trimmed = input.sliced(m_position, end - m_position).trimmed();
        m_pending.rows.push_back({trimmed.data() - input.data(), trimmed.size(), m_pending.list->convert(trimmed)});
        // A line end at the very end of the input ends the last line, as in a file.
        m_position = end + 1;
    }
    return m_position >= input.size();
}

int AmountList::progress() const
{
    const qsizetype size = m_pending.input.size();
    return size == 0 ? 100 : int(std::min<qsizetype>(m_position, size) * 100 / size);
}

void AmountList::publish()
{
    std::vector<Row> rows = std::move(m_pending.rows);
    m_shown = m_pending;
    m_shown.rows = std::move(rows);
    m_pending.rows.clear();
    m_position = m_pending.input.size() + 1;
}

QStringView AmountList::view(const Row &row) const { return QStringView(m_shown.input).sliced(row.start, row.length); }

QString AmountList::asRead(int line) const { return PrintableText(view(row(line))); }

QString AmountList::roundedText(int line) const
{
    const ListLine &converted = row(line).line;
    return converted.kind == ListLine::Kind::Converted ? m_shown.list->roundedText(converted)
                                                       : m_shown.list->reason(converted.kind);
}

QString AmountList::unroundedText(int line) const { return m_shown.list->unroundedText(row(line).line); }

QString AmountList::choiceCode(const CurrencyChoice &choice) const { return ChoiceCode(m_state, choice, m_language); }

QString AmountList::columnTitle(int column) const
{
    static constexpr TextId titles[] = {TextId::ListAmountColumn, TextId::ReportRoundedTitle,
                                        TextId::ReportUnroundedTitle};
    return QStringLiteral("%1 (%2)").arg(Text(titles[std::clamp(column, 0, 2)], m_language).trimmed(),
                                         choiceCode(column == 0 ? m_shown.from : m_shown.to));
}

QString AmountList::summary() const
{
    int amounts = 0;
    QStringList refused;
    for (std::size_t line = 0; line < m_shown.rows.size(); ++line) {
        const ListLine::Kind kind = m_shown.rows[line].line.kind;
        amounts += kind == ListLine::Kind::Blank ? 0 : 1;
        if (kind == ListLine::Kind::Refused || kind == ListLine::Kind::Overflow)
            refused << QString::number(line + 1);
    }
    if (amounts == 0)
        return Text(TextId::ListEmpty, m_language);
    QString summary = Text(TextId::ListConverted, m_language).arg(amounts - refused.size()).arg(amounts);
    if (refused.isEmpty())
        return summary;
    QString named = refused.first(std::min<qsizetype>(refused.size(), NamedLines)).join(QStringLiteral(", "));
    if (refused.size() > NamedLines)
        named = Text(TextId::ListMoreLines, m_language).arg(named).arg(refused.size() - NamedLines);
    return summary + u' '
        + Text(refused.size() == 1 ? TextId::ListRefusedLines : TextId::ListRefusedManyLines, m_language).arg(named);
}

QString AmountList::total(TextId words, Money ListLine::*amount, const CurrencyChoice &currency) const
{
    Int128 sum = 0;
    for (const Row &row : m_shown.rows)
        sum += row.line.kind == ListLine::Kind::Converted ? (row.line.*amount).raw() : 0;
    const std::optional<Money> total = SumAsMoney(sum);
    if (!total)
        return Text(words, m_language).arg(Text(TextId::ErrorOverflow, m_language));
    const ListConversion &list = *m_shown.list;
    return Text(words, m_language)
        .arg((amount == &ListLine::amount ? list.fromText(*total) : list.toText(*total)) + u' ' + choiceCode(currency));
}

QString AmountList::totalAmounts() const { return total(TextId::ListTotalAmounts, &ListLine::amount, m_shown.from); }

QString AmountList::totalRounded() const { return total(TextId::ListTotalRounded, &ListLine::rounded, m_shown.to); }

std::string AmountList::text() const
{
    std::string text;
    text.reserve(m_shown.rows.size() * 32);
    for (const Row &row : m_shown.rows) {
        const QStringView asRead = view(row);
        const QByteArray bytes = (IsPrintableText(asRead) ? asRead.toString() : PrintableText(asRead)).toUtf8();
        m_shown.list->appendLine(text, {bytes.constData(), std::size_t(bytes.size())}, row.line);
        text += '\n';
    }
    return text;
}

QString AmountList::save(QWidget *owner) const
{
    const AppValues &app = m_dialogs.app();
    const SaveFileChoice choice{Text(TextId::ListFileTitle, m_language), FileChooserFolder(app.ProgramFolder),
                                choiceCode(m_shown.from) + u'-' + choiceCode(m_shown.to) + QStringLiteral(".txt"),
                                Text(TextId::PrintFileFilter, m_language)};
    const QString path = m_dialogs.platform().chooseSaveFile(owner, choice);
    m_dialogs.BringWindowToFront(owner);
    if (path.isEmpty())
        return QString();
    SafeFile file(path);
    if (file.open()) {
        const std::string bytes = text();
        file.write(bytes.data(), qint64(bytes.size()));
    }
    const Failure failure = file.commit();
    if (!failure.failed())
        return path;
    // Not an unexpected error: the user chose a file that cannot be written,
    // and can simply choose another.
    m_dialogs.ShowMessageBox(
        owner, Text(TextId::ListCaption, m_language),
        Text(TextId::ListFileUnwritable, m_language).arg(failure.path, ErrorDescription(failure.code, m_language)),
        MessageStyle::Exclamation);
    return QString();
}
