#include "report/ReportModel.h"

ReportModel BuildReportModel(const ConversionResult &result, const ConversionState &state,
                             const std::array<QString, CurrencyCount> &rowNames)
{
    ReportModel model;
    for (int slot = 0; slot < CurrencyCount; ++slot) {
        const std::size_t i = std::size_t(slot);
        ReportRow &row = model[i];
        row.name = rowNames[i];
        row.rate = state.CurrencyRates[i];
        row.decimals = state.decimalsOf(slot);
        row.source = slot == state.CurrentCurrency;
        if (!result.overflow)
            row.amounts = ReportAmounts{result.rounded[i], result.unrounded[i]};
    }
    return model;
}
