#!/usr/bin/env python3
"""Reads kill matrices (logs of scripts/mutation-matrix-test.sh): which test cases kill which mutants.

  mutation-matrix.py LOG...                 per test case: mutants it kills, and how many only it kills
  mutation-matrix.py LOG... --drop REGEX... killed mutants that would survive without the test
                                            cases matching any REGEX (e.g. 'GridPaintTest\\.')
  mutation-matrix.py LOG... --mutants       every mutant and the test cases that kill it

A mutant killed without a failing test case named (a crash, a hang, a failing script) counts as
killed by its CTest entries ("ENTRY name"). The first record of a log, without a diff, is the
unmutated run.
"""
import re
import sys


def read(paths):
    mutants = []
    for path in paths:
        blocks = open(path, errors="replace").read().split("=== MUTANT ")[1:]
        for block in blocks:
            head, _, failed = block.partition("--- failed:")
            lines = head.strip().splitlines()
            rc = int(re.match(r"rc=(\d+)", lines[0]).group(1))
            diff = [l for l in lines[1:] if l.startswith(("+++", "-", "+"))]
            if not diff:
                continue  # the unmutated run
            where = next((l[6:] for l in diff if l.startswith("+++ b/")), "?")
            change = " / ".join(l.strip() for l in diff if not l.startswith("+++"))
            cases = set()
            entries = set()
            for l in failed.strip().splitlines():
                m = re.match(r"\[  FAILED  \] (\S+)", l)
                if m:
                    cases.add(m.group(1))
                elif l.startswith("ENTRY "):
                    entries.add(l[6:].strip())
            if rc != 0 and not cases:
                cases = {"ENTRY:" + e for e in entries} or {"?"}
            mutants.append(dict(file=path, where=where, change=change[:160], killed=rc != 0,
                                cases=cases, entries=entries))
    return mutants


def main():
    args = sys.argv[1:]
    logs = args[: args.index("--drop")] if "--drop" in args else args
    files = [a for a in logs if not a.startswith("--")]
    drop = []
    if "--drop" in args:
        drop = [re.compile(a) for a in args[args.index("--drop") + 1:]]
    mutants = read(files)
    killed = [m for m in mutants if m["killed"]]
    print(f"{len(mutants)} mutants run, {len(killed)} killed")
    if "--mutants" in args:
        for m in mutants:
            print(("KILLED  " if m["killed"] else "SURVIVED") + f" {m['where']}: {m['change']}")
            for c in sorted(m["cases"]):
                print("           " + c)
        return
    if drop:
        lost = [m for m in killed if m["cases"] and all(any(r.search(c) for r in drop)
                                                          for c in m["cases"])]
        print(f"dropping them, {len(lost)} killed mutants would survive:")
        for m in lost:
            print(f"  {m['where']}: {m['change']}  <- {sorted(m['cases'])}")
        return
    per = {}
    for m in killed:
        for c in m["cases"]:
            k, u = per.get(c, (0, 0))
            per[c] = (k + 1, u + (len(m["cases"]) == 1))
    for c, (k, u) in sorted(per.items(), key=lambda e: (-e[1][1], -e[1][0], e[0])):
        print(f"{k:4d} killed {u:3d} only by it  {c}")


if __name__ == "__main__":
    main()
