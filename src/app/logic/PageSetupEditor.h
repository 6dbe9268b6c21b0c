#pragma once

#include "app/texts/Language.h"
#include "report/PageSetup.h"

#include <QString>

#include <array>

class QWidget;
class SettingsStore;
class SharedDialogs;

// The page setup dialog's logic, without its widgets: a copy of the values being
// edited, their ranges, OK (the running program prints with them) and Apply
// (it also writes them to the settings file).
class PageSetupEditor
{
public:
    enum class Number {
        FontSize,
        TopMargin,
        LeftMargin,
        LinesPerPage
    };
    static constexpr std::array Numbers = {Number::FontSize, Number::TopMargin, Number::LeftMargin,
                                           Number::LinesPerPage};

    // Edits a copy of the page setup the running program prints with (`kept`).
    PageSetupEditor(SharedDialogs &dialogs, SettingsStore &settings, PageSetupValues &kept, QWidget *owner);

    // A number's range, as the settings file accepts it, and its label "8 - 12".
    static int minimum(Number number);
    static int maximum(Number number);
    static QString rangeText(Number number);
    // What a screen reader calls a number ("Left margin"), and its arrows
    // ("Increase Left margin", "Decrease Left margin").
    static QString valueName(Number number, Language language);
    static QString arrowName(Number number, bool increase, Language language);

    const PageSetupValues &values() const { return m_values; }
    int value(Number number) const;
    // Kept within the number's range.
    void setValue(Number number, int value);
    bool courierNewGreek() const { return m_values.FontName == CourierNewGreek; }
    void setCourierNewGreek(bool chosen) { m_values.FontName = chosen ? CourierNewGreek : CourierNew; }

    // OK: the next print uses the values; the settings file keeps the old ones.
    void keep();
    // Apply: kept, then written; a failed write is reported under "PSAC1000".
    // False when the program is ending.
    bool apply();

private:
    SharedDialogs &m_dialogs;
    SettingsStore &m_settings;
    PageSetupValues &m_kept;
    QWidget *m_owner;
    PageSetupValues m_values;
};
