"""A run's hands against a corpus's truth: lumora-cli make --hands-csv must report every
hand of the hero with his result to the cent and his all-in EV to the fourth decimal,
and nothing else."""

from __future__ import annotations

import csv
import re
import sys
from pathlib import Path

# Both sides print four decimals; a last digit rounded the other way is the same figure.
EV_TOLERANCE = 1.0001e-4


def read_rows(path: Path) -> dict:
    """hand -> (file name, result cents, EV or None)."""
    rows = {}
    with path.open(encoding="utf-8", newline="") as table:
        for row in csv.DictReader(table):
            ev = float(row["allin_ev"]) if row["allin_ev"] else None
            rows[row["hand"]] = (Path(row["file"]).name, float(row["result_cents"]), ev)
    return rows


def differences(truth: dict, run: dict) -> list[str]:
    found = []
    for hand, (name, result, ev) in truth.items():
        got = run.get(hand)
        if got is None:
            found.append(f"{name} hand {hand}: not in the run")
            continue
        if got[0] != name or abs(got[1] - result) > 5e-5:
            found.append(f"{name} hand {hand}: result {got[1]:g} in {got[0]}, expected {result:g}")
        if (ev is None) != (got[2] is None) or (ev is not None and abs(got[2] - ev) > EV_TOLERANCE):
            found.append(f"{name} hand {hand}: all-in EV {got[2]}, expected {ev}")
    found += [f"{got[0]} hand {hand}: not the hero's" for hand, got in run.items() if hand not in truth]
    return found


def totals(rows: dict) -> tuple:
    """Hands, result (currency units), all-in hands and their EV (currency units)."""
    evs = [ev for _, _, ev in rows.values() if ev is not None]
    return len(rows), round(sum(r for _, r, _ in rows.values())) / 100, len(evs), sum(evs)


def report_totals(report: str) -> tuple:
    """The same from the summary lines of a run's report ("Summary: nHands = 7 Win =
    13.73", "Summary all-in (money): nHands = 6 Win = 13.73 EV = 15.98 diff = -2.25")."""
    hands = re.search(r"^Summary: nHands = (\d+) Win = (\S+)$", report, re.M)
    all_in = re.search(r"^Summary all-in \(money\): nHands = (\d+) Win = \S+ EV = (\S+) ", report, re.M)
    if not hands or not all_in:
        return ()
    return int(hands[1]), float(hands[2]), int(all_in[1]), float(all_in[2])


def total_differences(truth: tuple, run: tuple, where: str) -> list[str]:
    """Counts equal, the result to the cent, the EV within the rounding of its hands."""
    if not run:
        return [f"{where}: no summary lines"]
    same = (run[0] == truth[0] and abs(run[1] - truth[1]) < 0.005 and run[2] == truth[2]
            and abs(run[3] - truth[3]) <= 0.005 + truth[2] * EV_TOLERANCE)
    return [] if same else [f"{where}: totals {run}, expected {truth}"]


def describe(totals_: tuple) -> str:
    hands, result, all_in, ev = totals_
    return f"{hands} hands, result {result:.2f}, {all_in} all-in EV {ev:.4f}"


def check_run(truth_csv: Path, hands_csv: Path, report: Path | None = None) -> int:
    """Prints the totals and every difference (the first twenty); 0 when there is none.
    `report`: a run's report, whose summary must give the truth's totals."""
    truth, run = read_rows(truth_csv), read_rows(hands_csv)
    print(f"truth: {describe(totals(truth))}")
    print(f"run:   {describe(totals(run))}")
    found = differences(truth, run) + total_differences(totals(truth), totals(run), "--hands-csv")
    if report:
        found += total_differences(totals(truth), report_totals(report.read_text(encoding="utf-8")),
                                   str(report))
    for line in found[:20]:
        print(line, file=sys.stderr)
    if len(found) > 20:
        print(f"... and {len(found) - 20} more", file=sys.stderr)
    return 1 if found else 0
