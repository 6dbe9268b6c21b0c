#include "app/Texts.h"

#include <array>

namespace {

struct Entry
{
    TextId id;
    const char *english;
    const char *greek;
};

constexpr std::array Entries = {
    Entry{TextId::ProgramTitle, "Euro changeover adviser", "Σύμβουλος μετάβασης στο Ευρώ"},
    Entry{TextId::OverflowCaption, "Overflow ", "Υπερχείλιση "},
    Entry{TextId::OverflowToolTip, " Overflow ", " Υπερχείλιση "},
    Entry{TextId::UndefinedCaption, "Undefined ", "Απροσδιόριστο "},
    Entry{TextId::UndefinedToolTip, " Undefined ", " Απροσδιόριστο "},
};

static_assert(Entries.size() == std::size_t(TextId::TextCount), "every text needs an entry");

constexpr bool entriesInOrder()
{
    for (std::size_t i = 0; i < Entries.size(); ++i)
        if (Entries[i].id != TextId(i))
            return false;
    return true;
}
static_assert(entriesInOrder(), "entries follow the order of TextId");

} // namespace

QString Text(TextId id, bool greek)
{
    const Entry &entry = Entries[std::size_t(id)];
    return QString::fromUtf8(greek ? entry.greek : entry.english);
}
