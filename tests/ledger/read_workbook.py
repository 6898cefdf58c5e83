#!/usr/bin/env python3
# Prints what a spreadsheet application reads from a workbook, one fact a line, for the
# export's tests: every cell with a value or a font of its own, the frozen pane, the page setup
# and the document properties.
import sys

import openpyxl

book = openpyxl.load_workbook(sys.argv[1])
sheet = book.active
for row in sheet.iter_rows():
    for cell in row:
        color = cell.font.color.rgb if cell.font.color is not None and cell.font.color.type == "rgb" else None
        if cell.value is None and not cell.font.b and color is None:
            continue
        value = cell.value
        if isinstance(value, float) and value.is_integer():
            value = int(value)
        print(f"{cell.coordinate}\t{'' if value is None else value}\t{'bold' if cell.font.b else ''}"
              f"\t{color or ''}\t{cell.number_format}")
print(f"freeze\t{sheet.freeze_panes}")
print(f"orientation\t{sheet.page_setup.orientation}")
# An absent fitToWidth or fitToHeight means one page.
print(f"fit\t{sheet.sheet_properties.pageSetUpPr.fitToPage}\t{sheet.page_setup.fitToWidth or 1}"
      f"\t{sheet.page_setup.fitToHeight or 1}")
m = sheet.page_margins
print(f"margins\t{m.left}\t{m.right}\t{m.top}\t{m.bottom}\t{m.header}\t{m.footer}")
print(f"center\t{sheet.print_options.horizontalCentered}\t{sheet.print_options.verticalCentered}")
print(f"footer\t{sheet.oddFooter.left.text}\t{sheet.oddFooter.center.text}\t{sheet.oddFooter.right.text}")
print(f"title\t{book.properties.title}")
print(f"comments\t{book.properties.description}")
for letter in "ABP":
    print(f"width {letter}\t{sheet.column_dimensions[letter].width}")
