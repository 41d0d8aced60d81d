#!/usr/bin/env python3
"""Prints which source folders include which, and fails on a cycle or on an
include against the order of the layers:

    core <- the subsystems' operations <- the panel kit <- the panels <- shell <- app

A folder may include its own layer's other folders only where no cycle
results (the subsystems' operations use one another, and so do panels).
"""
import pathlib
import re
import sys

ROT = pathlib.Path(__file__).resolve().parent.parent / "src"
INKLUDERING = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def mapp(sokvag: pathlib.PurePosixPath) -> str:
    delar = sokvag.parts
    return "/".join(delar[:2]) if len(delar) > 2 and delar[1] == "ui" else delar[0]


def lager(namn: str) -> int:
    if namn == "core":
        return 0
    if namn in ("chart", "entry", "maintenance", "reports"):
        return 1
    if namn == "ui":
        return 2
    if namn.endswith("/ui"):
        return 3
    if namn == "shell":
        return 4
    if namn == "app":
        return 5
    return -1


def main() -> int:
    kanter: dict[str, set[str]] = {}
    for fil in sorted(ROT.rglob("*")):
        if fil.suffix not in (".h", ".cpp") or not fil.is_file():
            continue
        fran = mapp(pathlib.PurePosixPath(fil.relative_to(ROT).as_posix()))
        kanter.setdefault(fran, set())
        for mal in INKLUDERING.findall(fil.read_text(encoding="utf-8", errors="replace")):
            if "/" not in mal or not (ROT / mal).is_file():
                continue
            till = mapp(pathlib.PurePosixPath(mal))
            if till != fran:
                kanter[fran].add(till)

    fel = []
    for fran in sorted(kanter):
        print(f"{fran} -> {', '.join(sorted(kanter[fran])) or '(inget)'}")
        if lager(fran) < 0:
            fel.append(f"okänd mapp {fran}: ge den ett lager i {pathlib.Path(__file__).name}")
        for till in kanter[fran]:
            if lager(till) > lager(fran):
                fel.append(f"{fran} inkluderar {till}, som ligger i ett högre lager")

    # Cycles, by depth-first search over the folders.
    farg: dict[str, int] = {}
    stack: list[str] = []

    def besok(nod: str) -> None:
        farg[nod] = 1
        stack.append(nod)
        for nasta in sorted(kanter.get(nod, ())):
            if farg.get(nasta, 0) == 1:
                cykel = stack[stack.index(nasta):] + [nasta]
                fel.append("cykel: " + " -> ".join(cykel))
            elif farg.get(nasta, 0) == 0:
                besok(nasta)
        stack.pop()
        farg[nod] = 2

    for nod in sorted(kanter):
        if farg.get(nod, 0) == 0:
            besok(nod)

    for rad in fel:
        print("FEL: " + rad, file=sys.stderr)
    return 1 if fel else 0


if __name__ == "__main__":
    sys.exit(main())
