#!/usr/bin/python3
"""Lists what a PDF reader finds on each page of a PDF, in points from the page's
top-left corner: "page W H", "rect X0 Y0 X1 Y1" for every axis-parallel rectangle
and "char X0 Y0 X1 Y1 C" for every character."""
import sys

from pdfminer.high_level import extract_pages
from pdfminer.layout import LAParams, LTChar, LTCurve, LTRect


def walk(item):
    yield item
    if hasattr(item, "__iter__"):
        for child in item:
            yield from walk(child)


def main(path):
    # Characters come out one by one; no grouping is needed.
    for page in extract_pages(path, laparams=LAParams(all_texts=True)):
        height = page.height
        print(f"page {page.width:.3f} {height:.3f}")
        for item in walk(page):
            if isinstance(item, LTRect) or (isinstance(item, LTCurve) and len(item.pts) in (4, 5)):
                print(f"rect {item.x0:.3f} {height - item.y1:.3f} {item.x1:.3f} {height - item.y0:.3f}")
            elif isinstance(item, LTChar):
                print(f"char {item.x0:.3f} {height - item.y1:.3f} {item.x1:.3f} {height - item.y0:.3f} {item.get_text()}")


if __name__ == "__main__":
    main(sys.argv[1])
