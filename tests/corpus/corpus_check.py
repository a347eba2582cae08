#!/usr/bin/python3
"""The corpus check (run by scripts/corpus): real SVG files that others made, opened by pendrake and measured.

For each file, `pendrake run FILE --target 0` (the output run with every path) runs in a sandbox of its own, as
scripts/demo sets one up: the cutting application stand-in registered, a temporary folder, empty preferences, the
cutter model TS-1 with four crop marks. A file that pendrake refuses is "refused"; one it opened but whose job then
failed is "run failed". For an opened file, corpus-extent measures the paths of the cut data file and maps them
back onto the page (the file measures from the crop marks' corner), and an independent renderer measures the same
file's geometry; the two extents must agree within 0.5 pt.

The reference extent is librsvg's (Debian's python3-gi, gir1.2-rsvg-2.0 and python3-gi-cairo): the whole document
is rendered into a cairo recording surface, whose ink extents are measured. The recording keeps vectors, so its
extent is that of the flattened outlines (within cairo's tolerance of 0.1 device unit, here 1/32 pt, rounded
outward to whole device units), not of a raster. Rendering, not librsvg's own geometry query, because the query
counts every shape, also those with neither fill nor stroke, which draw nothing and which the output run leaves
out; the rendering leaves them out too. The page is the host's (width, height, else the viewBox at 0.75 pt to the
unit); librsvg fits the viewBox into it and counts 96 px to the inch, as the host does. A user style sheet whose
declarations are all !important makes the rendering measure what the output run writes, not what a viewer sees:
  - strokes are drawn 1e-6 px wide, without dashes, with bevel joins and square caps, so they do not widen the
    extent (a miter would), a dash gap at an extreme point does not narrow it, and a subpath of one point (which
    the output run writes as a path of one anchor) is drawn as a dot; a stroke still counts as paint;
  - hidden objects (display, visibility, opacity) are shown: the output run writes hidden paths too; a fill or
    stroke of opacity 0 stays as it is, since the import takes it for no paint (as a viewer draws it);
  - clip paths, masks and the clipping of nested viewports are not applied (the cut follows whole paths), nor
    are filters (they change pixels, not paths), nor blending; the file's own attributes and declarations of
    these are taken off before librsvg reads it, because the user style sheet does not reach the copies that use
    makes;
  - text, images and foreign objects are not drawn: they are no paths of the document until outlined.
Not compared, and counted apart: files that use markers (a marker is drawn at the scale of the stroke width, which
the reference takes away), files whose page size the renderer cannot reduce to points (percentages, em),
files that the renderer cannot read, and files where neither side finds any geometry. Limits of the method: a
filled shape of no area (a point or a straight line with a fill but no stroke) draws nothing and is missed by the
reference (a disagreement says so when our extent agrees without such paths); declarations marked !important in
the file's own style sheets win over the user style sheet in librsvg; geometry properties in CSS (style="width:0"
on a rect, which librsvg honours) are not read by the import; geometry reaching farther than about 1,000,000 pt from the page does not fit cairo's fixed-point numbers
at the resolution needed (1/4 pt), and is not compared.
"""

import argparse
import collections
import multiprocessing
import os
import re
import shutil
import subprocess
import sys

import gi

gi.require_version("Rsvg", "2.0")
import cairo  # noqa: E402
from gi.repository import Rsvg  # noqa: E402

TOLERANCE_PT = 0.5
REQUIRED_OPEN_SHARE = 0.98
MODEL, CROP_COUNT = "TS-1", "4"
DEVICE_UNITS_PER_PT = 32  # the reference's resolution; coarser for far-reaching geometry, but not below:
MIN_DEVICE_UNITS_PER_PT = 4
# What a viewer draws but the output run does not write (or writes whole); see the module's description.
STYLE_SHEET = b"""
* { display: inline !important; visibility: visible !important; opacity: 1 !important;
    stroke-width: 0.000001px !important; stroke-dasharray: none !important; stroke-linejoin: bevel !important;
    stroke-linecap: square !important;
    filter: none !important; clip-path: none !important; mask: none !important; overflow: visible !important; }
text, image, foreignObject { display: none !important; }
"""
# Folders of the packages that hold the drawing tool's own user interface, not artwork.
UI_FOLDERS = ("usr/share/inkscape/icons/", "usr/share/inkscape/ui/", "usr/share/inkscape/pixmaps/", "usr/share/icons/")
POINTS_PER_UNIT = {
    Rsvg.Unit.PX: 0.75,
    Rsvg.Unit.PT: 1.0,
    Rsvg.Unit.PC: 12.0,
    Rsvg.Unit.IN: 72.0,
    Rsvg.Unit.MM: 72 / 25.4,
    Rsvg.Unit.CM: 72 / 2.54,
}
MARKER_USE = re.compile(rb"marker(-start|-mid|-end)?\s*[:=]\s*[\"']?\s*url\(")
# Effects that the output does not apply (clip paths, whose shapes it writes as paths of their own; masks;
# filters; blending), taken off before librsvg reads the file: its user style sheet does not reach the copies
# that use makes, where a masked, blended group is measured as covering the whole plane.
EFFECT_ATTRIBUTE = re.compile(rb"\s(filter|mask|clip-path|mix-blend-mode)\s*=\s*(\"[^\"]*\"|'[^']*')")
EFFECT_DECLARATION = re.compile(rb"(filter|mask|clip-path|mix-blend-mode)\s*:\s*[^;\"'}]*;?")

options = None  # the parsed command line, in every worker
slot = None  # this worker's sandbox


def make_slot(folder):
    """The sandbox of one worker: the stand-in registered where the plug-in looks, its own temporary folder."""
    for sub in ("tmp", "talvex"):
        os.makedirs(os.path.join(folder, sub), exist_ok=True)
    standin = os.path.join(folder, "talvex", "talvex-standin")
    shutil.copy(os.path.join(options.app, "tools", "talvex-standin"), standin)
    key = os.path.join(folder, "registry", "HKCU", "Software", "Varrow KT Corporation", "Talvex", "Folder")
    os.makedirs(key, exist_ok=True)
    with open(os.path.join(key, "Path"), "w") as value:
        value.write(standin)
    open(os.path.join(folder, "Preferences.ini"), "w").close()
    return folder


def start_worker(parsed, counter):
    global options, slot
    options = parsed
    with counter.get_lock():
        counter.value += 1
        number = counter.value
    slot = make_slot(os.path.join(options.folder, "sandbox", f"slot{number}"))


def refusal_kind(message, path):
    """The kind of a refusal: the message without the place, the element, the references' ids and the values."""
    text = message.replace("pendrake: ", "", 1)
    if text.startswith(path):
        text = re.sub(r"^:(\d+:\d+:)? ?", "", text[len(path):])
    text = re.sub(r"^<[^>]+> attribute (style: )?", "attribute ", text)
    text = re.sub(r'"url\([^"]*\)"', '"url(#…)"', text)
    return re.sub(r'(?<!unit )"(?!url\()[^"]*"', '"…"', text)  # any other value, unless it names a unit


def run_pendrake(path):
    """(status, detail, extent): status "opened", "refused" or "run failed"; for "opened" the detail is the extent
    of the paths that have an area."""
    tmp = os.path.join(slot, "tmp")
    for name in os.listdir(tmp):
        os.remove(os.path.join(tmp, name))
    environment = dict(os.environ, TMPDIR=tmp, PENDRAKE_REGISTRY_HKCU=os.path.join(slot, "registry", "HKCU"),
                       PENDRAKE_REGISTRY_HKLM=os.path.join(slot, "registry", "HKLM"))
    command = [os.path.join(options.app, "pendrake"), "run", path, "--prefs", os.path.join(slot, "Preferences.ini"),
               "--model", MODEL, "--crop-count", CROP_COUNT, "--target", "0"]
    run = subprocess.run(command, env=environment, capture_output=True, text=True, errors="replace")
    cut_files = re.findall(r"^Cut data file: (.*)$", run.stdout, re.M)
    first_error = next((line for line in run.stderr.splitlines() if line.strip()), "")
    if not cut_files:  # the document is opened before the plug-ins start and make their file
        if run.returncode != 0 and first_error.startswith("pendrake: " + path):
            return "refused", refusal_kind(first_error, path), None
        return "run failed", first_error or f"exit code {run.returncode}, no cut data file", None
    if run.returncode != 0:
        return "run failed", first_error.replace("pendrake: ", "", 1) or f"exit code {run.returncode}", None
    measured = subprocess.run([options.extent_tool, cut_files[0]], capture_output=True, text=True, errors="replace")
    if measured.returncode != 0:
        return "run failed", "the cut data file does not read back: " + measured.stderr.strip().splitlines()[0], None
    extents = {}
    for name in ("extent", "extent-with-area"):
        words = re.search(rf"^{name} (.*)$", measured.stdout, re.M).group(1).split()
        extents[name] = None if words == ["none"] else tuple(float(word) for word in words)
    return "opened", extents["extent-with-area"], extents["extent"]


def page_size(handle):
    """The page in points as the host makes it from width, height and viewBox; None when not in absolute units."""
    d = handle.get_intrinsic_dimensions()
    box = d.out_viewbox if d.out_has_viewbox else None

    def points(has, length):
        if not has or (length.unit == Rsvg.Unit.PERCENT and length.length == 1):  # absent: SVG's default 100%
            return 0.0
        factor = POINTS_PER_UNIT.get(length.unit)
        return None if factor is None else length.length * factor

    width, height = points(d.out_has_width, d.out_width), points(d.out_has_height, d.out_height)
    if width is None or height is None:
        return None
    if width == 0 and height == 0 and box:
        width, height = box.width * 0.75, box.height * 0.75
    elif width == 0 and box and box.height > 0:
        width = height * box.width / box.height
    elif height == 0 and box and box.width > 0:
        height = width * box.height / box.width
    return (width, height) if width > 0 and height > 0 else None


def reference_extent(path):
    """(extent or None, reason it could not be measured or "")."""
    with open(path, "rb") as file:
        data = file.read()
    if MARKER_USE.search(data):
        return None, "markers (drawn at the stroke width's scale)"
    data = EFFECT_DECLARATION.sub(b"", EFFECT_ATTRIBUTE.sub(b"", data))
    try:
        handle = Rsvg.Handle.new_from_data(data)
    except Exception as error:  # noqa: BLE001 (GLib reports any load failure this way)
        return None, "the reference renderer cannot read it: " + str(error).splitlines()[0]
    page = page_size(handle)
    if page is None:
        return None, "no page size in absolute units for the reference"
    width, height = page
    handle.set_stylesheet(STYLE_SHEET)
    handle.set_dpi(96)  # CSS's 96 px to the inch, as the host counts (librsvg's own default is 90)
    viewport = Rsvg.Rectangle()
    viewport.x, viewport.y, viewport.width, viewport.height = 0, 0, width / 0.75, height / 0.75
    try:
        k = device_units_per_pt(handle, viewport)
        if k < MIN_DEVICE_UNITS_PER_PT:
            return None, "geometry too far out for the reference's fixed-point numbers"
        recording = cairo.RecordingSurface(cairo.CONTENT_COLOR_ALPHA, None)
        context = cairo.Context(recording)
        context.scale(k * 0.75, k * 0.75)  # the viewport's user units are px
        handle.render_document(context, viewport)
    except Exception as error:  # noqa: BLE001
        return None, "the reference renderer cannot draw it: " + str(error).splitlines()[0]
    x, y, w, h = recording.ink_extents()
    if w == 0 and h == 0:
        return None, ""
    return (x / k, height - (y + h) / k, (x + w) / k, height - y / k), ""  # y turned upward from the page bottom


def device_units_per_pt(handle, viewport):
    """The finest scale at which the document's geometry stays within half of cairo's fixed-point range (24.8
    bits), judged from librsvg's geometry query (which measures in the document's own px at scale 1, and counts
    every shape, painted or not)."""
    _, _, logical = handle.get_geometry_for_layer(None, viewport)
    reach = 0.75 * max(abs(logical.x), abs(logical.y), abs(logical.x + logical.width),
                       abs(logical.y + logical.height), 1.0)
    k = DEVICE_UNITS_PER_PT
    while k >= MIN_DEVICE_UNITS_PER_PT and reach * k > 2**22:
        k /= 2
    return k


def check(relative):
    """One file: (relative, status, detail, ours, reference)."""
    path = os.path.join(options.root, relative)
    if not os.path.isfile(path):
        return relative, "missing", "not in the unpacked packages", None, None
    status, detail, ours = run_pendrake(path)
    if status != "opened":
        return relative, status, detail, None, None
    ours_with_area = detail
    reference, reason = reference_extent(path)
    if reason:
        return relative, "not compared", reason, ours, None
    if ours is None and reference is None:
        return relative, "not compared", "no geometry", None, None
    if ours is None or reference is None:
        detail = "only one side has geometry"
        if reference is None and ours_with_area is None:
            detail += "; ours has only paths without area (points, lines), which a fill alone does not draw"
        return relative, "disagrees", detail, ours, reference
    difference = max(abs(a - b) for a, b in zip(ours, reference))
    if difference <= TOLERANCE_PT:
        return relative, "agrees", f"{difference:.3f}", ours, reference
    detail = f"by {difference:.3f} pt"
    if ours_with_area and max(abs(a - b) for a, b in zip(ours_with_area, reference)) <= TOLERANCE_PT:
        detail += "; ours agrees without its paths that have no area (points, lines), which a fill alone does not draw"
    return relative, "disagrees", detail, ours, reference


def sample_files(sample):
    with open(sample) as file:
        return [line.strip() for line in file if line.strip() and not line.startswith("#")]


def every_file(root):
    found = []
    for folder, _, names in os.walk(root):
        for name in names:
            relative = os.path.relpath(os.path.join(folder, name), root)
            if name.endswith(".svg") and not relative.startswith(UI_FOLDERS):
                found.append(relative)
    return sorted(found, key=lambda text: text.encode())


def text_of(extent):
    return "-" if extent is None else " ".join(f"{value:.3f}" for value in extent)


def report(results, tsv):
    counts = collections.Counter(result[1] for result in results)
    total = len(results)
    opened = total - counts["refused"] - counts["missing"]
    share = opened / total if total else 0
    refusals = collections.defaultdict(list)
    not_compared = collections.Counter()
    for relative, status, detail, _, _ in results:
        if status == "refused":
            refusals[detail].append(relative)
        elif status == "not compared":
            not_compared[detail] += 1
    lines = [f"{'files':<28}{total:>7}",
             f"{'opened':<28}{opened:>7}  ({100 * share:.1f}%, needed {100 * REQUIRED_OPEN_SHARE:.0f}%)",
             f"{'refused':<28}{counts['refused']:>7}"]
    for kind, files in sorted(refusals.items(), key=lambda item: (-len(item[1]), item[0])):
        lines.append(f"  {len(files):>6}  {kind}  (e.g. {files[0]})")
    if counts["missing"]:
        lines.append(f"{'missing':<28}{counts['missing']:>7}")
    lines.append(f"{'run failed after opening':<28}{counts['run failed']:>7}")
    failures = collections.Counter(detail for _, status, detail, _, _ in results if status == "run failed")
    for message, count in sorted(failures.items(), key=lambda item: (-item[1], item[0])):
        lines.append(f"  {count:>6}  {message}")
    compared = counts["agrees"] + counts["disagrees"]
    lines += [f"{'extents compared':<28}{compared:>7}",
              f"{'  agreeing within 0.5 pt':<28}{counts['agrees']:>7}",
              f"{'  disagreeing':<28}{counts['disagrees']:>7}"]
    for relative, status, detail, ours, reference in results:
        if status == "disagrees":
            lines.append(f"    {relative}: ours {text_of(ours)}, reference {text_of(reference)} ({detail})")
    lines.append(f"{'not compared':<28}{sum(not_compared.values()):>7}")
    for reason, count in sorted(not_compared.items(), key=lambda item: (-item[1], item[0])):
        lines.append(f"  {count:>6}  {reason or 'no geometry'}")
    print("\n".join(lines))
    with open(tsv, "w") as file:
        file.write("file\tstatus\tours\treference\tdetail\n")
        for relative, status, detail, ours, reference in results:
            file.write(f"{relative}\t{status}\t{text_of(ours)}\t{text_of(reference)}\t{detail}\n")
    print(f"report: {tsv}")
    return 0 if share >= REQUIRED_OPEN_SHARE and counts["disagrees"] == 0 else 1


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--folder", required=True, help="the corpus folder (root/ holds the unpacked packages)")
    parser.add_argument("--app", required=True, help="the build tree's app folder (pendrake, tools/)")
    parser.add_argument("--extent-tool", required=True, help="corpus-extent")
    parser.add_argument("--sample", help="the sample list; without it every SVG of the packages")
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("files", nargs="*", help="only these files (relative to root/)")
    parsed = parser.parse_args()
    parsed.folder = os.path.abspath(parsed.folder)
    parsed.root = os.path.join(parsed.folder, "root")
    files = parsed.files or (sample_files(parsed.sample) if parsed.sample else every_file(parsed.root))
    shutil.rmtree(os.path.join(parsed.folder, "sandbox"), ignore_errors=True)
    counter = multiprocessing.Value("i", 0)
    with multiprocessing.Pool(parsed.jobs, initializer=start_worker, initargs=(parsed, counter)) as pool:
        results = pool.map(check, files, chunksize=4)
    return report(results, os.path.join(parsed.folder, "report.tsv"))


if __name__ == "__main__":
    sys.exit(main())
