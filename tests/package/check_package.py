#!/usr/bin/env python3
"""The release zip: its name carries the version, it holds exactly the stripped static
program, the guide and both licences; a version resource that disagrees stops the script."""
import argparse
import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
faults = []


def check(ok, what):
    if not ok:
        faults.append(what)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--tree", required=True)
    ap.add_argument("--version", required=True, help="CMake's PROJECT_VERSION")
    args = ap.parse_args()
    with tempfile.TemporaryDirectory() as tmp:
        out = Path(tmp) / "out"
        run = subprocess.run([ROOT / "scripts/package", "--tree", args.tree, "--out", out],
                             capture_output=True, text=True, timeout=600)
        check(run.returncode == 0, f"package failed: {run.stderr}")
        name = f"zenitrack-{args.version}-win64"
        made = sorted(p.name for p in out.glob("*")) if out.exists() else []
        check(made == [f"{name}.zip"], f"package left {made}, not just {name}.zip")
        if made == [f"{name}.zip"]:
            z = zipfile.ZipFile(out / made[0])
            entries = sorted(z.namelist())
            want = sorted(f"{name}/{f}" for f in
                          ("zenitrack.exe", "GUIDE.txt", "LICENSE.txt", "pugixml-LICENSE.txt"))
            check(entries == want, f"zip holds {entries}")
            exe = z.read(f"{name}/zenitrack.exe")
            built = (Path(args.tree) / "app/zenitrack.exe").stat().st_size
            check(exe[:2] == b"MZ" and b".debug_info" not in exe, "exe is not stripped")
            check(len(exe) < built * 0.7, f"stripped exe {len(exe)} bytes, built {built}")
            guide = z.read(f"{name}/GUIDE.txt").decode()
            for text in ("First start", "/Options/GS232", "Send Error", "Choices we made"):
                check(text in guide, f"guide lacks {text!r}")
            for text in ("## The two commands", "## Development", "![", "](docs/"):
                check(text not in guide, f"guide holds the developers' {text!r}")
            check("Copyright (c) 2026 The Zenitrack developers" in
                  z.read(f"{name}/LICENSE.txt").decode(), "our licence")
            check("Arseny Kapoulkine" in z.read(f"{name}/pugixml-LICENSE.txt").decode(),
                  "pugixml's licence")

        # The resource states another version than CMake: no zip, and the script says why.
        rc = Path(tmp) / "zenitrack.rc"
        rc.write_text((ROOT / "app/zenitrack.rc").read_text()
                      .replace('"ProductVersion", "', '"ProductVersion", "9.'))
        other = Path(tmp) / "other"
        run = subprocess.run([ROOT / "scripts/package", "--tree", args.tree, "--out", other,
                              "--rc", rc], capture_output=True, text=True, timeout=600)
        check(run.returncode != 0 and "differs" in run.stderr,
              f"a disagreeing resource gave {run.returncode}: {run.stderr}")
        check(not list(other.glob("*.zip")) if other.exists() else True,
              "a zip was made despite the disagreement")
    for f in faults:
        print("FAIL:", f)
    print(f"package: {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
