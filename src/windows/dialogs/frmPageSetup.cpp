#include "windows/dialogs/frmPageSetup.h"

#include "app/services/AppContext.h"
#include "app/texts/Texts.h"
#include "windows/ContextHelp.h"
#include "windows/NamedWidgets.h"
#include "windows/dialogs/UpDown.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The names and titles of the four numbers, in the order of PageSetupEditor::Numbers.
struct NumberEntry
{
    const char *name; // "FontSize": lblFontSizeTitle, lblFontSize, updFontSize, lblFontSizeMinMax
    TextId title;
};
constexpr std::array<NumberEntry, PageSetupEditor::Numbers.size()> NumberEntries = {{
    {"FontSize", TextId::PageSetupSize},
    {"TopMargin", TextId::PageSetupTop},
    {"LeftMargin", TextId::PageSetupLeft},
    {"LinesPerPage", TextId::PageSetupLinesPerPage},
}};

QString Named(const char *prefix, const char *name, const char *suffix = "")
{
    return QLatin1String(prefix) + QLatin1String(name) + QLatin1String(suffix);
}

} // namespace

frmPageSetup::frmPageSetup(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_editor(context.dialogs(), context.settings(), context.pageSetup(), this)
{
    setObjectName(QStringLiteral("frmPageSetup"));
    buildLayout();
    setCaptions();

    (m_editor.courierNewGreek() ? m_chkCourierNewGreek : m_chkCourierNew)->setChecked(true);
    for (std::size_t i = 0; i < m_numbers.size(); ++i) {
        const PageSetupEditor::Number number = PageSetupEditor::Numbers[i];
        const NumberControls &controls = m_numbers[i];
        controls.upDown->setRange(PageSetupEditor::minimum(number), PageSetupEditor::maximum(number));
        controls.upDown->setValue(m_editor.value(number));
        controls.range->setText(PageSetupEditor::rangeText(number));
        connect(controls.upDown, &UpDown::valueChanged, this, [this, number](int value) {
            m_editor.setValue(number, value);
            m_cmdCancel->setEnabled(true);
        });
    }
    // Cancel has nothing to undo until something changes.
    m_cmdCancel->setEnabled(false);
    connect(m_chkCourierNewGreek, &QRadioButton::toggled, this, [this](bool checked) {
        m_editor.setCourierNewGreek(checked);
        m_cmdCancel->setEnabled(true);
    });
    connect(m_cmdOK, &QPushButton::clicked, this, &frmPageSetup::okClicked);
    connect(m_cmdApply, &QPushButton::clicked, this, &frmPageSetup::applyClicked);
    connect(m_cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    ContextHelp::install(this, m_context.app().language());
}

void frmPageSetup::buildLayout()
{
    m_fraFont = new QGroupBox(this);
    m_fraFont->setObjectName(QStringLiteral("fraFont"));
    m_fraMargin = new QGroupBox(this);
    m_fraMargin->setObjectName(QStringLiteral("fraMargin"));

    // One group, whatever the names say: exactly one font is chosen.
    m_chkCourierNew = new QRadioButton(m_fraFont);
    m_chkCourierNew->setObjectName(QStringLiteral("chkCourierNew"));
    m_chkCourierNewGreek = new QRadioButton(m_fraFont);
    m_chkCourierNewGreek->setObjectName(QStringLiteral("chkCourierNewGreek"));
    auto *fonts = new QButtonGroup(this);
    fonts->addButton(m_chkCourierNew);
    fonts->addButton(m_chkCourierNewGreek);

    auto *fontGrid = new QGridLayout(m_fraFont);
    fontGrid->addWidget(m_chkCourierNew, 0, 0, 1, 4);
    fontGrid->addWidget(m_chkCourierNewGreek, 1, 0, 1, 4);
    auto *marginGrid = new QGridLayout(m_fraMargin);
    const int digitWidth = fontMetrics().horizontalAdvance(QStringLiteral("000"));
    for (std::size_t i = 0; i < m_numbers.size(); ++i) {
        const NumberEntry &entry = NumberEntries[i];
        QWidget *frame = i == 0 ? m_fraFont : m_fraMargin;
        QGridLayout *grid = i == 0 ? fontGrid : marginGrid;
        const int row = i == 0 ? 2 : int(i) - 1;
        NumberControls &controls = m_numbers[i];
        controls.title = new QLabel(frame);
        controls.title->setObjectName(Named("lbl", entry.name, "Title"));
        controls.value = new QLabel(frame);
        controls.value->setObjectName(Named("lbl", entry.name));
        controls.value->setFrameShape(QFrame::StyledPanel);
        controls.value->setFrameShadow(QFrame::Sunken);
        controls.value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        controls.value->setMinimumWidth(digitWidth + 8);
        controls.upDown = new UpDown(controls.value, frame);
        controls.upDown->setObjectName(Named("upd", entry.name));
        controls.title->setBuddy(controls.upDown);
        controls.range = new QLabel(frame);
        controls.range->setObjectName(Named("lbl", entry.name, "MinMax"));
        grid->addWidget(controls.title, row, 0);
        grid->addWidget(controls.value, row, 1);
        grid->addWidget(controls.upDown, row, 2);
        grid->addWidget(controls.range, row, 3);
    }
    for (QGridLayout *grid : {fontGrid, marginGrid}) {
        grid->setColumnStretch(3, 1);
        grid->setColumnMinimumWidth(0, fontMetrics().horizontalAdvance(QStringLiteral("Γραμμές/Σελίδα:  ")));
    }

    // Enter on a focused button presses that button, as every auto-default
    // button of a dialog does; elsewhere it presses OK.
    m_cmdOK = NewNamed<QPushButton>(this, "cmdOK");
    m_cmdOK->setDefault(true);
    m_cmdApply = NewNamed<QPushButton>(this, "cmdApply");
    m_cmdCancel = NewNamed<QPushButton>(this, "cmdCancel");
    QHBoxLayout *buttons = ButtonRow({m_cmdOK, m_cmdApply, m_cmdCancel});

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_fraFont);
    layout->addWidget(m_fraMargin);
    layout->addLayout(buttons);
}

void frmPageSetup::setCaptions()
{
    const Language language = m_context.app().language();
    setWindowTitle(Text(TextId::PageSetupCaption, language));
    m_fraFont->setTitle(Text(TextId::PageSetupFontFrame, language));
    m_fraMargin->setTitle(Text(TextId::PageSetupMarginFrame, language));
    m_chkCourierNew->setText(Text(TextId::PageSetupCourierNew, language));
    m_chkCourierNewGreek->setText(Text(TextId::PageSetupCourierNewGreek, language));
    for (std::size_t i = 0; i < m_numbers.size(); ++i) {
        const PageSetupEditor::Number number = PageSetupEditor::Numbers[i];
        m_numbers[i].title->setText(Text(NumberEntries[i].title, language));
        m_numbers[i].upDown->setNames(PageSetupEditor::valueName(number, language),
                                      PageSetupEditor::arrowName(number, true, language),
                                      PageSetupEditor::arrowName(number, false, language));
    }
    m_cmdOK->setText(Text(TextId::DialogOk, language));
    m_cmdApply->setText(Text(TextId::DialogApply, language));
    m_cmdCancel->setText(Text(TextId::DialogCancel, language));
}

void frmPageSetup::okClicked()
{
    m_editor.keep();
    accept();
}

void frmPageSetup::applyClicked()
{
    if (m_editor.apply())
        m_cmdCancel->setEnabled(false);
}
