#pragma once

#include "app/conversion/ListConversion.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>
#include <vector>

class CurrentConversion;
class QWidget;
class SharedDialogs;

// The list dialog's logic, without its widgets: the currencies to convert from
// and to, the amounts typed or pasted one a line, each converted as the window
// converts it (ListConversion), the totals, and the results as text for the
// clipboard and for a file. A new input or choice is converted a part at a
// time (convertSome), so that the dialog stays responsive over a long list;
// what shows is always a complete conversion, the last one published.
class AmountList
{
public:
    // What shows first: from the conversion's current row to the euro, nothing typed yet.
    AmountList(SharedDialogs &dialogs, const CurrentConversion &conversion);

    Language language() const { return m_language; }
    // The fourteen rows and the currencies fixed later, as both lists offer them.
    QStringList choices() const;
    int from() const { return m_from; }
    int to() const { return m_to; }
    void setFrom(int index);
    void setTo(int index);
    void setInput(const QString &text);

    // Converts up to `lines` more lines of the input as it now stands; true
    // once every line is converted, and then publish() shows them.
    bool convertSome(int lines);
    // How much of the input is converted, 0 to 100.
    int progress() const;
    void publish();

    // What shows: the lines of the conversion last published, in the order
    // of the input, blank lines included.
    int lineCount() const { return int(m_shown.rows.size()); }
    ListLine::Kind kind(int line) const { return row(line).line.kind; }
    // The line without its surrounding blanks, printable.
    QString asRead(int line) const;
    // The results as the target's row shows them; for a line not converted,
    // the reason in place of the rounded result.
    QString roundedText(int line) const;
    QString unroundedText(int line) const;
    // "Amount (GRD)", "Rounded amount (EUR)", "Unrounded amount (EUR)".
    QString columnTitle(int column) const;
    // How many amounts converted of how many, and which lines did not.
    QString summary() const;
    // The sum of the amounts converted (each as its currency holds it) and the
    // sum of their rounded results, exact: not the rounded sum.
    QString totalAmounts() const;
    QString totalRounded() const;

    // The results as tab-separated lines, as the command line writes them.
    std::string text() const;
    QString copyText() const { return QString::fromStdString(text()); }
    // Asks for a file with the save chooser and writes the text there through
    // the safe path; a file that cannot be written is said in a message and
    // nothing is saved. The file's path once saved; empty otherwise.
    QString save(QWidget *owner) const;

private:
    struct Row
    {
        qsizetype start = 0; // of the trimmed line in the input
        qsizetype length = 0;
        ListLine line;
    };
    struct Conversion
    {
        QString input;
        std::optional<ListConversion> list;
        std::vector<Row> rows;
        CurrencyChoice from;
        CurrencyChoice to;
    };

    void restart();
    const Row &row(int line) const { return m_shown.rows[std::size_t(line)]; }
    QStringView view(const Row &row) const;
    QString choiceCode(const CurrencyChoice &choice) const;
    // The words with the exact sum of one amount of the lines converted, in its currency.
    QString total(TextId words, Money ListLine::*amount, const CurrencyChoice &currency) const;

    SharedDialogs &m_dialogs;
    const ConversionState m_state;
    const Language m_language;
    int m_from = 0;
    int m_to = 0;
    Conversion m_pending;
    qsizetype m_position = 0; // where the pending conversion goes on in its input
    Conversion m_shown;
};
