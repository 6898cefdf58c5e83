// libxlsxwriter, loaded on the first export. Linked, it would bring the cryptography library
// (and its start-up work) into every start of both programs, though few ever export.
#pragma once

#include <xlsxwriter.h>

#include <memory>
#include <string>

namespace tallyman {

// The functions the ledger workbook uses, with the library's own types.
#define TALLYMAN_XLSX_FUNCTIONS(X)                                                                           \
    X(workbook_new)                                                                                          \
    X(workbook_add_worksheet)                                                                                \
    X(workbook_add_format)                                                                                   \
    X(workbook_set_properties)                                                                               \
    X(workbook_close)                                                                                        \
    X(format_set_bold)                                                                                       \
    X(format_set_font_color)                                                                                 \
    X(format_set_num_format)                                                                                 \
    X(worksheet_write_blank)                                                                                 \
    X(worksheet_write_number)                                                                                \
    X(worksheet_write_string)                                                                                \
    X(worksheet_set_column)                                                                                  \
    X(worksheet_freeze_panes)                                                                                \
    X(worksheet_set_selection)                                                                               \
    X(worksheet_set_landscape)                                                                               \
    X(worksheet_fit_to_pages)                                                                                \
    X(worksheet_set_margins)                                                                                 \
    X(worksheet_center_horizontally)                                                                         \
    X(worksheet_center_vertically)                                                                           \
    X(worksheet_set_header_opt)                                                                              \
    X(worksheet_set_footer_opt)                                                                              \
    X(lxw_strerror)

struct XlsxLibrary {
#define TALLYMAN_XLSX_POINTER(name) decltype(&::name) name = nullptr;
    TALLYMAN_XLSX_FUNCTIONS(TALLYMAN_XLSX_POINTER)
#undef TALLYMAN_XLSX_POINTER
};

// The installed library, loaded on the first call and kept; null with the reason in `whyNot`
// when it is missing or lacks a function.
const XlsxLibrary* xlsxLibrary(std::string& whyNot);

// Loads a library by file name; the installed one is the one the program was built against.
// The library stays loaded for the life of the process.
std::unique_ptr<XlsxLibrary> loadXlsxLibrary(const char* fileName, std::string& whyNot);

} // namespace tallyman
