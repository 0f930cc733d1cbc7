#!/usr/bin/env python3
"""Compiles one language of the help into a CHM file.

    build_chm.py CHMCMD LANGUAGE_DIR COMMON_DIR CODEPAGE OUTPUT.chm

The sources are kept in UTF-8. The viewer reads the project, contents and index files in the
code page of the help's language, so those three are converted on the way; the topics declare
their own encoding and are copied as they are. The common folder (style sheet, pictures that
show no text) is laid under the language's own files.
"""
import pathlib
import shutil
import subprocess
import sys
import tempfile

PROJECT_SUFFIXES = {".hhp", ".hhc", ".hhk"}


def stage(language_dir, common_dir, codepage, stage_dir):
    for source_dir in (common_dir, language_dir):
        for source in source_dir.rglob("*"):
            if source.is_dir():
                continue
            target = stage_dir / source.relative_to(source_dir)
            target.parent.mkdir(parents=True, exist_ok=True)
            if source.suffix in PROJECT_SUFFIXES:
                target.write_bytes(source.read_text(encoding="utf-8").encode(codepage))
            else:
                shutil.copyfile(source, target)


def main():
    chmcmd, language_dir, common_dir, codepage, output = sys.argv[1:6]
    language_dir, common_dir = pathlib.Path(language_dir), pathlib.Path(common_dir)
    output = pathlib.Path(output)
    projects = list(language_dir.glob("*.hhp"))
    if len(projects) != 1:
        sys.exit(f"{language_dir}: expected one .hhp project, found {len(projects)}")
    with tempfile.TemporaryDirectory() as work:
        stage_dir = pathlib.Path(work)
        stage(language_dir, common_dir, codepage, stage_dir)
        # The compiler names its output from the project's "Compiled file" option.
        result = subprocess.run([chmcmd, projects[0].name], cwd=stage_dir, capture_output=True, text=True)
        compiled = stage_dir / output.name
        if result.returncode != 0 or not compiled.exists():
            sys.stderr.write(result.stdout + result.stderr)
            sys.exit(f"chmcmd failed on {projects[0]}")
        output.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(compiled, output)


if __name__ == "__main__":
    main()
