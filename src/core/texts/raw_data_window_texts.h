#pragma once
// The raw-data window's and the fit table window's own texts in both languages,
// keyed by the objectName of the control that shows them.

#include <string>
#include <string_view>
#include <vector>

#include "texts/language.h"

namespace dorvex::texts {

// The item of the main window's input-type selectors that opens the raw-data window
// (message 58, "Raw data").
inline constexpr int kRawDataSourceItem = 4;

// The colours of the data histogram's and of a fit's bars (0x00BBGGRR).
inline constexpr unsigned kRawDataBarColour = 8388608;  // navy
inline constexpr unsigned kFitBarColour = 15780518;     // light blue

std::string RawDataWindowTitle(Language language);
std::string FitTableWindowTitle(Language language);

// The caption of the control `objectName` of either window (labels, check boxes,
// buttons, group boxes, menu items); empty for a control without one.
std::string RawDataControlCaption(std::string_view objectName, Language language);

// Row names of the raw-data window's small grids by objectName: the sample
// (StringGrid3: count, Mi, Sigma, skewness), the histogram on display (StringGrid1:
// Xmin, Xmax, Median, Mode), its moments (StringGrid6), the closeness (StringGrid4)
// and the editor's line counter (StringGrid5); empty for another name.
std::vector<std::string> RawDataGridRowNames(std::string_view objectName, Language language);

// Items of the lists by objectName: the mark styles (CBMarks) and the axis labels
// (CBValInd); empty for another name.
std::vector<std::string> RawDataListItems(std::string_view objectName, Language language);

// The fit table's sort keys after the characteristics' ones: the KS distance, the
// log-likelihood, AIC and BIC.
std::vector<std::string> GoodnessSortItems();

// The question before the highlighted rows of the fit table are removed.
std::string RemoveRowsQuestion(Language language);

}  // namespace dorvex::texts
