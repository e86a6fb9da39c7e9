#pragma once
// A cell layout written as an .xlsx workbook of one worksheet.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/listing_tables.h"
#include "model/histogram.h"
#include "model/report_error.h"
#include "texts/language.h"

namespace dorvex::analysis {

// Writes `layout` to `path` as a workbook with one worksheet named layout.sheetName:
// number cells as numbers, the others as strings. The workbook is written under a
// temporary name in the same folder and renamed over `path`; on failure the existing
// file is untouched and code 23 names the file.
std::optional<model::ModelError> WriteWorkbook(const std::string& path, const SheetLayout& layout);

// The file name a save dialog suggests for the workbook of a listing titled `title`:
// the title without surrounding blanks, characters no file name may hold replaced by
// "_", and ".xlsx"; "Histogram.xlsx" for a title with nothing else in it.
std::string WorkbookFileName(std::string_view title);

// The listing workbook of `h` as its listing window would export it: the description
// table under `title` with frequency multiplier c and `notes` below it (see
// WithNotes), then its cells written to `path`.
std::optional<model::ModelError> WriteListingWorkbook(const std::string& path,
                                                      const model::Histogram& h,
                                                      const std::string& title, long double c,
                                                      texts::Language language,
                                                      const std::vector<std::string>& notes = {});

}  // namespace dorvex::analysis
