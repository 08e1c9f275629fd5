#!/usr/bin/env python3
"""How many single-point faults of GOLV's core its tests catch.

Chooses COUNT places in the sources of the Qt-free core (every room of src/
but ui; not the Windows-only platform file, which a Linux build never
compiles), seeded by SEED so that a run can be repeated, and for each one
changes one operator or constant in a copy of the checkout, builds the
core's tests there and runs them. A fault is caught when the build or a test
fails, and survives when every test passes.

    tools/mutate.py [--count N] [--seed S] [--jobs J] [--keep]

Prints each fault with its fate, then the share caught. The copy lives in
build-mutation/ beside the checkout's other builds.
"""
import argparse
import os
import random
import re
import shutil
import subprocess
import sys

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ROOMS = ["codec", "settings", "config", "language", "presets", "patcher", "startup", "commandline"]
NEVER_BUILT_HERE = re.compile(r"Windows\.cpp$")
COPIED = ["CMakeLists.txt", "cmake", "src", "tests", "tools", "languages", "packaging", "bench", "app"]

# (what, pattern, replacement): one match on one line is replaced.
FAULTS = [
    ("== to !=", r"(?<![=!<>])==(?!=)", "!="),
    ("!= to ==", r"!=", "=="),
    # Comparisons stand between spaces; a template's brackets do not.
    ("< to <=", r"(?<=\s)<(?=\s)", "<="),
    ("<= to <", r"<=", "<"),
    ("> to >=", r"(?<=\s)>(?=\s)", ">="),
    (">= to >", r">=", ">"),
    ("&& to ||", r"&&", "||"),
    ("|| to &&", r"\|\|", "&&"),
    ("+ 1 to - 1", r"\+ 1\b", "- 1"),
    ("- 1 to + 1", r"- 1\b", "+ 1"),
    ("true to false", r"\btrue\b", "false"),
    ("false to true", r"\bfalse\b", "true"),
    ("! dropped", r"(?<![!=])!(?!=)(?=[A-Za-z_(])", ""),
    ("0 to 1", r"(?<![\w.])0(?![\w.x])", "1"),
]

NO_CODE = re.compile(r"^\s*(//|#|\*|/\*)|static_assert")
WINDOWS_ONLY = re.compile(r"^\s*#\s*(ifdef\s+_WIN32|if\s+defined\(_WIN32\))")
OTHERS_ONLY = re.compile(r"^\s*#\s*(ifndef\s+_WIN32|if\s+!defined\(_WIN32\))")
STRING = re.compile(r'"(\\.|[^"\\])*"|\'(\\.|[^\'\\])*\'')


def places():
    found = []
    for room in ROOMS:
        folder = os.path.join(REPO, "src", room)
        for name in sorted(os.listdir(folder)):
            if not name.endswith(".cpp") or NEVER_BUILT_HERE.search(name):
                continue
            path = os.path.join("src", room, name)
            with open(os.path.join(REPO, path), encoding="utf-8") as source:
                lines = source.read().split("\n")
            # Whether each open #if is one of Windows' alone (True), of the
            # other systems' (False), or of neither (None).
            branches = []
            for number, line in enumerate(lines):
                directive = line.strip()
                if WINDOWS_ONLY.match(line):
                    branches.append(True)
                elif OTHERS_ONLY.match(line):
                    branches.append(False)
                elif directive.startswith("#if"):
                    branches.append(None)
                elif directive.startswith("#else") and branches and branches[-1] is not None:
                    branches[-1] = not branches[-1]
                elif directive.startswith("#endif") and branches:
                    branches.pop()
                if NO_CODE.search(line) or True in branches:
                    continue
                # Text in quotes and comments is no code to change.
                code = STRING.sub(lambda m: " " * len(m.group(0)), line).split("//")[0]
                for what, pattern, replacement in FAULTS:
                    for match in re.finditer(pattern, code):
                        found.append((path, number, match.start(), match.end(), what, replacement))
    return found


def run(command, cwd):
    return subprocess.run(command, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--count", type=int, default=100)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--jobs", type=int, default=2)
    parser.add_argument("--keep", action="store_true", help="keep the copy and its build afterwards")
    options = parser.parse_args()

    chosen = random.Random(options.seed).sample(places(), options.count)
    work = os.path.join(REPO, "build-mutation")
    copy = os.path.join(work, "source")
    build = os.path.join(work, "build")
    # The copy keeps its files' times, so a build left by a run that was
    # stopped could hold objects of a changed source that look newer than it.
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(copy)
    for entry in COPIED:
        source = os.path.join(REPO, entry)
        target = os.path.join(copy, entry)
        (shutil.copytree if os.path.isdir(source) else shutil.copy2)(source, target)
    configure = ["cmake", "-S", copy, "-B", build, "-DCMAKE_BUILD_TYPE=Release", "-DGOLV_CORE_ONLY=ON"]
    compile_ = ["cmake", "--build", build, "-j%d" % options.jobs]
    test = ["ctest", "-j%d" % options.jobs, "--timeout", "300"]
    if not (run(configure, REPO) and run(compile_, REPO) and run(test, build)):
        # Shown once, so that a flaky or broken test can be told from a broken build.
        subprocess.run(test + ["--rerun-failed", "--output-on-failure"], cwd=build)
        sys.exit("the unchanged core does not build or pass its tests")

    caught = 0
    for index, (path, number, start, end, what, replacement) in enumerate(chosen, 1):
        file = os.path.join(copy, path)
        with open(file, encoding="utf-8") as source:
            original = source.read()
        lines = original.split("\n")
        line = lines[number]
        lines[number] = line[:start] + replacement + line[end:]
        with open(file, "w", encoding="utf-8") as changed:
            changed.write("\n".join(lines))
        killed = not run(compile_, REPO) or not run(test, build)
        with open(file, "w", encoding="utf-8") as restored:
            restored.write(original)
        caught += killed
        print("%3d %-8s %s:%d %s: %s" % (index, "caught" if killed else "SURVIVED", path, number + 1, what,
                                          line.strip()), flush=True)
    run(compile_, REPO)
    print("%d of %d faults caught (%.0f%%), seed %d" % (caught, len(chosen), 100.0 * caught / len(chosen),
                                                       options.seed))
    if not options.keep:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
