#!/usr/bin/env python3
"""Applies small faults to the core code one at a time and counts how many the
unit tests catch. Each fault is a piece of text replaced in one source file;
the file is restored after every fault, whatever happens.

  scripts/mutants.sh [--build DIR] [--only SUBSTRING] [--from N] [--list]

It rebuilds with cmake (only what the changed file touches), runs
`ctest -L unit`, and prints `killed K of N` and the faults that survived.
A fault whose text is no longer in its file is reported as stale, so the
list is kept in step with the code.
"""
import argparse
import json
import os
import pathlib
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent

# (area, file under src/, original text, faulty text). Every original text
# must occur exactly once in its file.
FAULTS = [
    # Recognition: the glyph matcher and the digit scan.
    ("recognition", "measure/GlyphMatcher.cpp",
     "if (prefix_[g] == window && length_[g] <= n - i && equalsAt(s + i, g)) {",
     "if (prefix_[g] == window && length_[g] <= n - i) {"),
    ("recognition", "measure/GlyphMatcher.cpp",
     "if (length_[g] == available && equalsAt(at, g)) {",
     "if (length_[g] <= available && equalsAt(at, g)) {"),
    ("recognition", "measure/GlyphMatcher.cpp",
     "pos += matcher.glyphChars();", "pos += 4;"),
    ("recognition", "measure/GlyphMatcher.cpp",
     "std::min<std::int64_t>(lastStart - 1, text.size() - 1);",
     "std::min<std::int64_t>(lastStart, text.size() - 1);"),
    ("recognition", "measure/GlyphMatcher.cpp",
     "for (std::int64_t pos = first.offset; pos <= last;) {",
     "for (std::int64_t pos = first.offset; pos < last;) {"),
    ("recognition", "measure/GlyphMatcher.cpp",
     "if (p.size() >= 4) {", "if (p.size() > 4) {"),
    ("recognition", "measure/GlyphMatcher.cpp",
     "reading.outcome = DigitReading::Outcome::Delimited;",
     "reading.outcome = DigitReading::Outcome::NoDelimiter;"),
    # The pixel string: binarising and hex encoding.
    ("pixel string", "capture/PixelString.cpp",
     "constexpr int WordRows = 16;", "constexpr int WordRows = 15;"),
    ("pixel string", "capture/PixelString.cpp",
     "((p >> 7) & 0x1FEu)", "((p >> 8) & 0xFFu)"),
    ("pixel string", "capture/PixelString.cpp",
     "static_cast<std::uint32_t>(s - rule.low) < rule.span",
     "static_cast<std::uint32_t>(s - rule.low) <= rule.span"),
    ("pixel string", "capture/PixelString.cpp",
     "if (mask >= 0 && t < m) {", "if (mask >= 0 && t <= m) {"),
    ("pixel string", "capture/PixelString.cpp",
     "darkUpTo = std::min(m, MaxBrightness);", "darkUpTo = std::min(m, MaxBrightness) - 1;"),
    ("pixel string", "capture/PixelString.cpp",
     "table[b] = {digits[b >> 4], digits[b & 15]};",
     "table[b] = {digits[b & 15], digits[b >> 4]};"),
    ("pixel string", "capture/PixelString.cpp",
     "words[i] |= lit << row;", "words[i] |= lit << (WordRows - 1 - row);"),
    # The measurement step.
    ("measure step", "measure/MeasureStep.cpp",
     "(lvRead ? 1 : 0) | (expRead ? 2 : 0) | (moneyRead ? 4 : 0)",
     "(lvRead ? 1 : 0) | (expRead ? 4 : 0) | (moneyRead ? 2 : 0)"),
    ("measure step", "measure/MeasureStep.cpp",
     "const bool expRead = run.ExpNow >= Currency();",
     "const bool expRead = run.ExpNow > Currency();"),
    ("measure step", "measure/MeasureStep.cpp",
     "(run.LvData[2] > 2 || run.LvData[2] < 0)", "(run.LvData[2] > 3 || run.LvData[2] < 0)"),
    ("measure step", "measure/MeasureStep.cpp",
     "Currency::fromInt(run.LvData[2]) * 100 +", "Currency::fromInt(run.LvData[2]) * 10 +"),
    ("measure step", "measure/MeasureStep.cpp",
     "return seconds < 0 ? seconds + ClockWrapSeconds : seconds;", "return seconds;"),
    ("measure step", "measure/MeasureStep.cpp",
     "run.MoneyData[2] = run.MoneyData[0] - run.MoneyData[1];",
     "run.MoneyData[2] = run.MoneyData[1] - run.MoneyData[0];"),
    ("measure step", "measure/MeasureStep.cpp",
     "std::nearbyint(GetMilliseconds(platform) / 1000.0)",
     "std::floor(GetMilliseconds(platform) / 1000.0)"),
    ("measure step", "measure/MeasureStep.cpp",
     "run.MoneySeconds[1] = t;\n    run.ExpSeconds[1] = t;",
     "run.MoneySeconds[1] = t;"),
    # The pay record.
    ("pay record", "records/PayRecord.cpp",
     "static_cast<std::int64_t>(seconds / 6) * (Currency::Scale / 10)",
     "static_cast<std::int64_t>(seconds / 5) * (Currency::Scale / 10)"),
    ("pay record", "records/PayRecord.cpp",
     "expGain.toDouble() / seconds * 3600.0", "expGain.toDouble() / seconds * 360.0"),
    ("pay record", "records/PayRecord.cpp",
     "moneyGain.toDouble() / seconds * 3.6", "moneyGain.toDouble() * seconds / 3.6"),
    ("pay record", "records/PayRecord.cpp",
     "line += sep + FormatColumn(v.exp, 11, 1, 2, plain);",
     "line += sep + FormatColumn(v.exp, 11, 1, 1, plain);"),
    ("pay record", "records/PayRecord.cpp",
     "if (exists && mode != PayRecordMode::Header) {",
     "if (exists || mode != PayRecordMode::Header) {"),
    ("pay record", "records/PayRecord.cpp",
     "pending.removeFirst();", "(void)pending;"),
    ("pay record", "records/PayRecord.cpp",
     "const QString sep = csv ? QStringLiteral(\" ,\") : QStringLiteral(\"  \");",
     "const QString sep = csv ? QStringLiteral(\",\") : QStringLiteral(\"  \");"),
    ("pay record", "records/PayRecord.cpp",
     "    if (appendToFile(path, text)) {\n        return true;\n    }\n    ctx.run.PayRecordPending.append(own);",
     "    if (appendToFile(path, text)) {\n        return true;\n    }"),
    # The settings file.
    ("settings file", "settings/ConfigLineReader.cpp",
     "if (value < INT32_MIN || value > INT32_MAX) {", "if (value < INT32_MIN || value >= INT32_MAX) {"),
    ("settings file", "settings/ConfigLineReader.cpp",
     "if (fields.size() <= static_cast<qsizetype>(targets.size())) {",
     "if (fields.size() < static_cast<qsizetype>(targets.size())) {"),
    ("settings file", "settings/ConfigLineReader.cpp",
     "if (field.compare(QLatin1String(\"True\"), Qt::CaseInsensitive) == 0) {",
     "if (field.compare(QLatin1String(\"True\"), Qt::CaseSensitive) == 0) {"),
    ("settings file", "settings/ConfigLineReader.cpp",
     "**flag = value != 0;", "**flag = value > 0;"),
    ("settings file", "settings/ConfigLineReader.cpp",
     "const qsizetype comma = line.lastIndexOf(QLatin1Char(','));",
     "const qsizetype comma = line.indexOf(QLatin1Char(','));"),
    ("settings file", "settings/BoundSettings.cpp",
     "const std::int32_t bounded = std::clamp(value, min, max);",
     "const std::int32_t bounded = std::clamp(value, min, max - 1);"),
    ("settings file", "settings/BoundSettings.cpp",
     "if (i < 3) {", "if (i < 2) {"),
    # Number formats.
    ("number format", "app/NumberFormat.cpp",
     "return (absRaw + divisor / 2) / divisor;", "return absRaw / divisor;"),
    ("number format", "app/NumberFormat.cpp",
     "if (i > 0 && (n - i) % 3 == 0) {", "if (i > 0 && (n - i) % 4 == 0) {"),
    ("number format", "app/NumberFormat.cpp",
     "d.negative = raw < 0 && units != 0;", "d.negative = raw < 0;"),
    ("number format", "app/NumberFormat.cpp",
     "if (d.fraction.endsWith(QLatin1Char('0'))) {", "if (false) {"),
    ("number format", "app/Currency.cpp",
     "if (twice > Scale || (twice == Scale && (q % 2 != 0))) {",
     "if (twice >= Scale) {"),
    ("number format", "app/Currency.cpp",
     "while (digits.endsWith(QLatin1Char('0'))) {", "if (digits.endsWith(QLatin1Char('0'))) {"),
    ("number format", "records/OutputFormat.cpp",
     "if (bytes > text.size()) {", "if (bytes < text.size()) {"),
    ("number format", "records/OutputFormat.cpp",
     "return FormatColumn(Currency::fromInt(std::clamp(value, -Largest, Largest)), width, gap,",
     "return FormatColumn(Currency::fromInt(value), width, gap,"),
]


def find_file(relative):
    """The file under src/, also when it has moved to another folder."""
    path = ROOT / "src" / relative
    if path.exists():
        return path
    matches = sorted((ROOT / "src").rglob(pathlib.Path(relative).name))
    return matches[0] if len(matches) == 1 else None


# The unit-test executables that exercise each area. A fault is tried on
# these first; one they catch is caught by the unit label as well, and only
# a fault that gets past them runs the whole label.
FIRST_TRY = {
    "recognition": ["test_measure"],
    "pixel string": ["test_capture"],
    "measure step": ["test_measure"],
    "pay record": ["test_records", "test_measure"],
    "settings file": ["test_settings"],
    "number format": ["test_app", "test_records"],
}


def run(cmd, cwd, timeout, env=None):
    try:
        return subprocess.run(cmd, cwd=cwd, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, timeout=timeout,
                               env=env).returncode
    except subprocess.TimeoutExpired:
        return -1


def unit_targets(build):
    """The executables behind the unit label, by target name: only these need
    rebuilding for a fault, not the program, the benchmarks or the end-to-end
    tests."""
    try:
        out = subprocess.run(["ctest", "-L", "unit", "--show-only=json-v1"], cwd=build,
                             capture_output=True, text=True, check=True).stdout
        tests = json.loads(out).get("tests", [])
    except (subprocess.CalledProcessError, ValueError):
        return {}
    return {os.path.basename(t["command"][0]): t["command"][0] for t in tests if t.get("command")}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=str(ROOT / "build"))
    parser.add_argument("--only", default="", help="run the faults whose area or file holds this")
    parser.add_argument("--from", dest="first", type=int, default=1,
                        help="start at this fault of the list (to resume a run)")
    parser.add_argument("--list", action="store_true", help="list the faults and exit")
    args = parser.parse_args()
    build = pathlib.Path(args.build)
    jobs = str(os.cpu_count() or 2)

    faults = [f for f in FAULTS if args.only in f[0] or args.only in f[1]]
    if args.list:
        for i, (area, file, old, new) in enumerate(faults, 1):
            print(f"{i:3} {area:14} {file}: {old.strip()!r} -> {new.strip()!r}")
        return 0
    if not (build / "CMakeCache.txt").exists():
        print(f"mutants: {build} is not a configured build folder", file=sys.stderr)
        return 2
    print("mutants: building and testing the unmodified code first", flush=True)
    if run(["cmake", "--build", str(build), "-j", jobs], ROOT, 3600) != 0 or \
            run(["ctest", "-L", "unit", "-j", jobs, "--timeout", "120"], build, 1800) != 0:
        print("mutants: the unmodified code does not build or pass its unit tests", file=sys.stderr)
        return 2

    targets = unit_targets(build)
    build_cmd = ["cmake", "--build", str(build), "-j", jobs]
    if targets:
        build_cmd += ["--target", *sorted(targets)]
    test_env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    # An executable tried first must pass as a whole on the unmodified code,
    # or its failure would not be the fault's doing.
    for name in sorted({t for ts in FIRST_TRY.values() for t in ts} & set(targets)):
        if run([targets[name]], build, 600, test_env) != 0:
            print(f"mutants: {name} fails on its own; its faults go straight to the unit label",
                  flush=True)
            del targets[name]

    def caught_by(area):
        first = [t for t in FIRST_TRY.get(area, []) if t in targets]
        if first:
            if run(["cmake", "--build", str(build), "-j", jobs, "--target", *first], ROOT, 1800) != 0:
                return True
            if any(run([targets[t]], build, 600, test_env) != 0 for t in first):
                return True
        return run(build_cmd, ROOT, 1800) != 0 or \
            run(["ctest", "-L", "unit", "-j", jobs, "--timeout", "120", "--stop-on-failure"],
                build, 1800) != 0

    killed, survivors, stale = 0, [], []
    started = time.monotonic()
    for i, (area, file, old, new) in enumerate(faults, 1):
        if i < args.first:
            continue
        path = find_file(file)
        original = path.read_text(encoding="utf-8") if path else ""
        if not path or original.count(old) != 1:
            stale.append(f"{file}: {old.strip()!r}")
            print(f"[{i}/{len(faults)}] stale   {file}", flush=True)
            continue
        try:
            path.write_text(original.replace(old, new), encoding="utf-8")
            caught = caught_by(area)
        finally:
            path.write_text(original, encoding="utf-8")
        if caught:
            killed += 1
        else:
            survivors.append(f"{area}: {file}: {old.strip()!r} -> {new.strip()!r}")
        print(f"[{i}/{len(faults)}] {'killed ' if caught else 'SURVIVED'} {area}: {file}",
              flush=True)
    # Leave the build matching the restored sources.
    run(["cmake", "--build", str(build), "-j", jobs], ROOT, 3600)

    applied = len(faults[args.first - 1:]) - len(stale)
    print(f"\nkilled {killed} of {applied}  ({time.monotonic() - started:.0f} s)")
    for s in survivors:
        print("  survived: " + s)
    for s in stale:
        print("  stale (text not found once): " + s)
    return 0 if not stale else 1


if __name__ == "__main__":
    sys.exit(main())
