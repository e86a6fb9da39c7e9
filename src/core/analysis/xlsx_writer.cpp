#include "analysis/xlsx_writer.h"

#include <unistd.h>
#include <xlsxwriter.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "analysis/result_report.h"

namespace dorvex::analysis {

namespace {

constexpr int kWriteErrorCode = 23;

model::ModelError WriteError(const std::filesystem::path& target) {
  model::ModelError error;
  error.code = kWriteErrorCode;
  error.insert = target.filename().string();
  return error;
}

// Beside the target, so that the rename cannot cross file systems.
std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
  static std::atomic<unsigned> counter{0};
  std::filesystem::path temp = target;
  temp += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
  return temp;
}

// Fills the worksheets of a fresh workbook and closes it; false when any step fails.
bool Fill(lxw_workbook* workbook, const SheetLayout& layout) {
  lxw_worksheet* sheet = workbook_add_worksheet(
      workbook, layout.sheetName.empty() ? nullptr : layout.sheetName.c_str());
  bool ok = sheet != nullptr;
  for (const SheetCell& cell : layout.cells) {
    if (!ok) break;
    if (cell.row < 1 || cell.column < 1) {
      ok = false;
      break;
    }
    const auto row = static_cast<lxw_row_t>(cell.row - 1);
    const auto column = static_cast<lxw_col_t>(cell.column - 1);
    const lxw_error result =
        cell.number ? worksheet_write_number(sheet, row, column, *cell.number, nullptr)
                    : worksheet_write_string(sheet, row, column, cell.text.c_str(), nullptr);
    ok = result == LXW_NO_ERROR;
  }
  // Closing writes the file and frees the workbook, whatever happened before.
  const lxw_error closed = workbook_close(workbook);
  return ok && closed == LXW_NO_ERROR;
}

}  // namespace

std::optional<model::ModelError> WriteWorkbook(const std::string& path, const SheetLayout& layout) {
  const std::filesystem::path target(path);
  const std::filesystem::path temp = TemporaryBeside(target);
  // The library reports a file it cannot create on stderr; finding that out first
  // keeps the usual failure (a folder without write access) a quiet error value.
  if (!std::ofstream(temp, std::ios::binary | std::ios::trunc).is_open()) return WriteError(target);
  std::error_code error;
  lxw_workbook* workbook = workbook_new(temp.c_str());
  if (workbook != nullptr && Fill(workbook, layout)) {
    std::filesystem::rename(temp, target, error);
  } else {
    error = std::make_error_code(std::errc::io_error);
  }
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temp, ignored);
    return WriteError(target);
  }
  return std::nullopt;
}

std::optional<model::ModelError> WriteListingWorkbook(const std::string& path,
                                                      const model::Histogram& h,
                                                      const std::string& title, long double c,
                                                      texts::Language language,
                                                      const std::vector<std::string>& notes) {
  const analysis::DescriptionGrid shown = analysis::DescriptionTable(h, title, c, language);
  return WriteWorkbook(path, WithNotes(ListingCells(h, shown, language), notes));
}

}  // namespace dorvex::analysis

namespace dorvex::analysis {

std::string WorkbookFileName(std::string_view title) {
  constexpr std::string_view kBlanks = " \t\r\n";
  constexpr std::string_view kForbidden = "/\\:*?\"<>|";
  const auto first = title.find_first_not_of(kBlanks);
  std::string name;
  if (first != std::string_view::npos) {
    const auto last = title.find_last_not_of(kBlanks);
    name = std::string(title.substr(first, last - first + 1));
  }
  for (char& c : name) {
    if (kForbidden.find(c) != std::string_view::npos || static_cast<unsigned char>(c) < 0x20) c = '_';
  }
  // Nothing but the replacement or dots would make a hidden or empty name.
  if (name.find_first_not_of("_.") == std::string::npos) name = "Histogram";
  return name + ".xlsx";
}

}  // namespace dorvex::analysis
