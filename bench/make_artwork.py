#!/usr/bin/python3
"""Writes artwork of N small paths for the benchmarks: squares, curves and rotated polylines of about four
segments each, on a sheet a sign shop would cut, in rows and columns (a nested sheet of small stickers), all at the top of the
layer, where a document that scans its lists shows it most.

Usage: bench/make_artwork.py N OUT.svg
"""
import math
import sys


def main():
    count, out = int(sys.argv[1]), sys.argv[2]
    columns = max(1, int(math.sqrt(count * 2)))
    cell = 6.0  # pt
    width, height = columns * cell + 20, (count // columns + 1) * cell + 20
    with open(out, "w", encoding="utf-8") as file:
        file.write('<?xml version="1.0" encoding="UTF-8"?>\n')
        file.write(f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}pt" height="{height}pt" '
                   f'viewBox="0 0 {width} {height}" fill="none" stroke="#000" stroke-width="0.2">\n')
        for i in range(count):
            x, y = 10 + (i % columns) * cell, 10 + (i // columns) * cell
            kind = i % 3
            if kind == 0:
                file.write(f'<path id="p{i}" d="M {x} {y} h 4 v 4 h -4 z"/>\n')
            elif kind == 1:
                file.write(f'<path id="p{i}" d="M {x} {y + 2} C {x + 1} {y} {x + 3} {y} {x + 4} {y + 2} '
                           f'S {x + 3} {y + 4} {x + 2} {y + 4} S {x} {y + 3} {x} {y + 2} z"/>\n')
            else:
                angle = (i * 37) % 360
                file.write(f'<polyline id="p{i}" transform="rotate({angle} {x + 2} {y + 2})" '
                           f'points="{x},{y} {x + 4},{y + 1} {x + 1},{y + 3} {x + 4},{y + 4}"/>\n')
        file.write("</svg>\n")


if __name__ == "__main__":
    main()
