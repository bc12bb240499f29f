#!/usr/bin/env python3
"""Writes the profile map of the sample installation.

Each line pairs the add-on's own section name (first field) with two
spellings used by other applications. The file is regenerated with
    python3 examples/make-profile-map.py > examples/install/profilemaps/ifc_export_map.csv
and checked: no two lines share a name, in either direction.
"""


def metric_i_and_h():
    rows = []
    h_sizes = [100, 120, 140, 160, 180, 200, 220, 240, 260, 280, 300, 320, 340, 360,
               400, 450, 500, 550, 600, 650, 700, 800, 900, 1000]
    for series in ("A", "B", "M"):
        for s in h_sizes:
            rows.append((f"HE{series}{s}", f"HE{s}{series}", f"HE {s} {series}"))
    for s in [80, 100, 120, 140, 160, 180, 200, 220, 240, 270, 300, 330, 360, 400, 450,
              500, 550, 600]:
        rows.append((f"IPE{s}", f"IPE {s}", f"I {s} E"))
    for s in [80, 100, 120, 140, 160, 180, 200, 220, 240, 260, 280, 300, 320, 350, 380, 400]:
        rows.append((f"UPN{s}", f"U{s}", f"UPN {s}"))
    for s in [80, 100, 120, 140, 160, 180, 200, 220, 240, 270, 300, 330, 360, 400]:
        rows.append((f"UPE{s}", f"U{s}E", f"UPE {s}"))
    return rows


def metric_angles_and_hollow():
    rows = []
    for leg, t in [(20, 3), (25, 3), (25, 4), (30, 3), (30, 4), (35, 4), (40, 4), (40, 5),
                   (45, 5), (50, 5), (50, 6), (60, 6), (60, 8), (70, 7), (80, 8), (90, 9),
                   (100, 10), (100, 12), (120, 12), (150, 15), (180, 18), (200, 20)]:
        rows.append((f"L{leg}X{t}", f"L{leg}x{leg}x{t}", f"L {leg}*{leg}*{t}"))
    for a, b, t in [(60, 40, 5), (75, 50, 6), (80, 40, 6), (100, 50, 8), (100, 65, 7),
                    (100, 75, 8), (120, 80, 8), (150, 90, 10), (150, 100, 10), (200, 100, 10)]:
        rows.append((f"L{a}X{b}X{t}", f"L{a}x{b}x{t}", f"L {a}*{b}*{t}"))
    for h, w, t in [(50, 30, 3), (60, 40, 4), (80, 40, 4), (100, 50, 4), (100, 50, 5),
                    (120, 60, 5), (120, 80, 6), (150, 100, 6), (160, 80, 6), (200, 100, 8),
                    (200, 120, 8), (250, 150, 10), (300, 200, 10)]:
        rows.append((f"RHS{h}X{w}X{t}", f"RHS {h}x{w}x{t}", f"RHS{h}*{w}*{t}"))
    for s, t in [(40, 3), (50, 4), (60, 4), (80, 5), (100, 5), (100, 8), (120, 6), (150, 8),
                 (200, 10), (250, 12)]:
        rows.append((f"SHS{s}X{t}", f"SHS {s}x{s}x{t}", f"SHS{s}*{s}*{t}"))
    for d, t in [("33.7", "3.2"), ("42.4", "3.2"), ("48.3", "4"), ("60.3", "4"),
                 ("76.1", "5"), ("88.9", "5"), ("114.3", "6"), ("139.7", "6.3"),
                 ("168.3", "8"), ("219.1", "10"), ("273", "10"), ("323.9", "12.5")]:
        rows.append((f"CHS{d}X{t}", f"CHS {d}x{t}", f"CHS{d}*{t}"))
    return rows


def american():
    rows = []
    w = {
        8: [10, 13, 15, 18, 21, 24, 28, 31, 35, 40, 48, 58, 67],
        10: [12, 15, 17, 19, 22, 26, 30, 33, 39, 45, 49, 54, 60, 68, 77, 88, 100, 112],
        12: [14, 16, 19, 22, 26, 30, 35, 40, 45, 50, 53, 58, 65, 72, 79, 87, 96, 106, 120],
        14: [22, 26, 30, 34, 38, 43, 48, 53, 61, 68, 74, 82, 90, 99, 109, 120, 132],
        16: [26, 31, 36, 40, 45, 50, 57, 67, 77, 89, 100],
        18: [35, 40, 46, 50, 55, 60, 65, 71, 76, 86, 97, 106, 119],
        21: [44, 50, 57, 62, 68, 73, 83, 93, 101, 111, 122, 132],
        24: [55, 62, 68, 76, 84, 94, 103, 104, 117, 131, 146, 162],
        27: [84, 94, 102, 114, 129, 146, 161, 178],
        30: [90, 99, 108, 116, 124, 132, 148, 173, 191, 211],
        33: [118, 130, 141, 152, 169, 201, 221, 241],
        36: [135, 150, 160, 170, 182, 194, 210, 231, 256, 282, 302],
    }
    for depth, weights in w.items():
        for lb in weights:
            rows.append((f"W{depth}X{lb}", f"W {depth}x{lb}", f"W{depth}*{lb}"))
    for depth, weights in {8: [36], 10: [42, 57], 12: [53, 63, 74, 84, 89, 102, 117],
                           14: [73, 89, 102, 117], 16: [88, 101, 121, 141, 162, 183],
                           18: [135, 157, 181, 204]}.items():
        for lb in weights:
            rows.append((f"HP{depth}X{lb}", f"HP {depth}x{lb}", f"HP{depth}*{lb}"))
    for depth, weights in {3: ["4.1", "5", "6"], 4: ["5.4", "7.25"], 5: ["6.7", "9"],
                           6: ["8.2", "10.5", "13"], 7: ["9.8", "12.25", "14.75"],
                           8: ["11.5", "13.75", "18.75"], 9: ["13.4", "15", "20"],
                           10: ["15.3", "20", "25", "30"], 12: ["20.7", "25", "30"],
                           15: ["33.9", "40", "50"]}.items():
        for lb in weights:
            rows.append((f"C{depth}X{lb}", f"C {depth}x{lb}", f"C{depth}*{lb}"))
    for leg, t in [("2", "1/4"), ("2-1/2", "1/4"), ("3", "1/4"), ("3", "3/8"), ("3-1/2", "3/8"),
                   ("4", "3/8"), ("4", "1/2"), ("5", "1/2"), ("6", "1/2"), ("6", "5/8"),
                   ("8", "3/4"), ("8", "1")]:
        rows.append((f"L{leg}X{leg}X{t}", f"L {leg}x{leg}x{t}", f"L{leg}*{leg}*{t}"))
    return rows


def normalised(name):
    return name.replace(" ", "").replace("*", "x").upper()


def main():
    rows = metric_i_and_h() + metric_angles_and_hollow() + american()
    # Every name, in either direction, must lead to one section only.
    owner, own = {}, set()
    for q, f2, f3 in rows:
        assert q not in own, q
        own.add(q)
        for key in (q, f2, normalised(f3)):
            assert owner.setdefault(key, q) == q, key
    print("# Section profile map of the sample installation, read by the IFC translator.")
    print("# Fields: the add-on's own name, then two names used by other applications;")
    print("# the third field, when it has two characters or more, is the one exported.")
    print("# European sections (EN 10365 and EN 10210 hollow sections)")
    for q, f2, f3 in rows:
        if q == "W8X10":
            print("# American sections (AISC shapes)")
        print(f"{q},{f2},{f3}")


if __name__ == "__main__":
    main()
