#!/usr/bin/env python3
"""The shipping label of examples/shipping_label.vxl, from Python.

    python3 shipping_label.py                 # on a virtual printer: shows the bytes
    python3 shipping_label.py "SATO CL4NX"    # on a real printer

A 100 x 100 mm label on a 203 dpi CL printer: a frame, rules, a Code 128
tracking number, an EAN-128 serial shipping container code, the address in
PDF417 and the order in Data Matrix, with the numbers in the printer's own
font under their barcodes, and TrueType text drawn by the library.
"""
from __future__ import annotations

import sys

import vxclcmd as vx


def print_shipping_label(printer: str) -> None:
    with vx.Label(printer, width_mm=100, height_mm=100, darkness=3, speed=4) as label:
        label.box(2, 2, 96, 96, line_width=3)          # frame
        label.line(2, 34, 96, width=2)                 # rule under the address
        label.line(2, 66, 96, width=2)                 # rule over the codes
        label.line(62, 34, 32, vertical=True, width=2)  # divider
        # Address block (lines joined by CR) and order.
        label.pdf417(6, 6, "SHIP TO: ACME LTD&h0D1 MAIN STREET&h0DSPRINGFIELD",
                     module_width=3, row_height=8, security=2, columns=4)
        label.data_matrix(70, 40, "ORDER 2024-000123456", ecc=20,
                          cell_width=5, cell_height=5)
        # Tracking number: Code 128 with automatic code sets, 2-dot bars.
        label.barcode(6, 40, "TRK1234567890", type=vx.Barcode.CODE128,
                      ratio=vx.Ratio.R1_3, narrow=2, height_mm=15)
        label.text(6, 57, "TRK1234567890", font="U")
        # Serial shipping container code with its application identifier.
        label.ean128(6, 70, "(00)340123450000000017", narrow=2, height_mm=20)
        label.text(6, 92, "(00) 340123450000000017", font="U")
        # The address in Chinese for the carrier's Taipei depot, in the Ming
        # face Windows calls 細明體, found on Linux by the library.
        label.truetype(6, 25, "收件人：台北市信義區市府路1號 王小明", font="細明體",
                       size_pt=12)
        # A bold title running upwards at the right edge; an italic note.
        label.truetype(92, 31, "PRIORITY", font="DejaVu Sans", size_pt=14,
                       bold=True, rotation=90)
        label.truetype(66, 56, "Handle with care", font="Arial", size_pt=10,
                       italic=True)
        label.cut(every=1)
        label.quantity = 1


def main() -> None:
    if len(sys.argv) > 1:
        print_shipping_label(sys.argv[1])
        return
    with vx.VirtualPrinter("Label Printer") as printer:
        print_shipping_label("Label Printer")
        print(f"{printer.job_names[0]}: {len(printer.jobs[0])} bytes")
        print(printer.jobs[0])


if __name__ == "__main__":
    main()
