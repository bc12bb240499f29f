#!/usr/bin/env python3
"""Runs every example that axocor's texts give, as a user would type it.

  run_documented_examples.py help    OPTIONS          the examples of every help text
  run_documented_examples.py help-all OPTIONS         --help-all holds every help text
  run_documented_examples.py docs    OPTIONS PATH...  the examples of READMEs: a file, or
                                                      every README.md below a folder
OPTIONS:
  --tool PROGRAM          the axocor program
  --models DIR            the sample models
  --installation DIR      the sample installation
  --named-models PATH, --named-installation PATH
                          where the texts say the samples are, when elsewhere (the
                          folders the program was built to install them in)
  --work DIR              a scratch folder (emptied first)

An example is a line that runs axocor: in a help text, an indented line (or
one after "Example:") that begins with "axocor "; in a README, such a line of
a ```sh (bash, shell, console) block. A trailing comment, "  # ..." or
"  (...)", is the reader's and not run; "exits N" at its start says the
example ends with status N, else it must end with 0. Every command's help and
every README must hold at least one example.

Each example runs alone through sh, in fresh copies of the samples, with the
variables of the sample installation's axocor-env.txt set, HOME in the scratch
folder, and axocor found through PATH. A help text's examples run in the copy
of the sample installation, those of a sample's README in the copy of its
folder, any other README's at the top of the copy (examples/models and
examples/install, as in the sources).
"""

import argparse
import json
import os
import re
import shutil
import subprocess
import sys

TIMEOUT_SECONDS = 60
SHELL_BLOCKS = {"sh", "shell", "bash", "console"}
HELP_EXAMPLE = re.compile(r"^(?: {2,}|Examples?(?: \([^)]*\))?: +)(axocor .+)$")
TRAILING_COMMENT = re.compile(r"(?:\s+#\s*(?P<hash>.*)|\s{2,}\((?P<paren>[^()]*)\))\s*$")
EXIT_STATUS = re.compile(r"^exits (\d+)\b")


class Example:
    def __init__(self, source, line, text, cwd_of):
        self.source = source  # the file, or the help text, it came from
        self.line = line
        self.text = text  # as written, comment included
        self.cwd_of = cwd_of  # the folder it runs in, given the scratch layout
        comment = TRAILING_COMMENT.search(text)
        self.command = text[: comment.start()] if comment else text
        note = (comment.group("hash") or comment.group("paren") or "") if comment else ""
        status = EXIT_STATUS.match(note)
        self.status = int(status.group(1)) if status else 0


def run_tool(tool, words):
    result = subprocess.run([tool] + words, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                            text=True, timeout=TIMEOUT_SECONDS)
    if result.returncode != 0:
        sys.exit(f"axocor {' '.join(words)} exited with {result.returncode}:\n{result.stdout}")
    return result.stdout


def subcommands(text):
    """The names that the "Subcommands:" list of a help text holds."""
    names = []
    listing = False
    for line in text.splitlines():
        if line == "Subcommands:":
            listing = True
        elif listing and not line.strip():
            break
        elif listing:
            match = re.match(r"^  ([a-z][a-z-]*)", line)
            if match:
                names.append(match.group(1))
    return names


def help_texts(tool):
    """(words, text) of "axocor [WORDS] --help", for the tool and every command below it."""
    texts = []
    pending = [[]]
    while pending:
        words = pending.pop(0)
        text = run_tool(tool, words + ["--help"])
        texts.append((words, text))
        pending.extend(words + [name] for name in subcommands(text))
    return texts


def help_examples(texts, problems):
    examples = []
    for words, text in texts:
        source = " ".join(["axocor"] + words + ["--help"])
        found = [Example(source, number, match.group(1), lambda layout: layout["installation"])
                 for number, line in enumerate(text.splitlines(), 1)
                 for match in [HELP_EXAMPLE.match(line)] if match]
        if not found and (not words or not subcommands(text)):
            problems.append(f"{source}: no example (a line '  axocor {' '.join(words)} ...')")
        examples.extend(found)
    return examples


def readme_files(paths, problems):
    files = []
    for path in paths:
        if os.path.isdir(path):
            found = sorted(os.path.join(folder, "README.md")
                           for folder, _, names in os.walk(path) if "README.md" in names)
            if not found:
                problems.append(f"{path}: holds no README.md")
            files.extend(found)
        else:
            files.append(path)
    return files


def readme_examples(path, samples, problems):
    """The examples of the shell blocks of one README, run in (the copy of) its folder."""
    folder = os.path.dirname(os.path.abspath(path))
    cwd_of = lambda layout: layout["top"]
    for name, sample in samples.items():
        inside = os.path.relpath(folder, sample)
        if inside == "." or not inside.startswith(".."):
            cwd_of = lambda layout, name=name, inside=inside: os.path.normpath(
                os.path.join(layout[name], inside))
    examples = []
    with open(path, encoding="utf-8") as file:
        lines = file.read().splitlines()
    block = None
    number = 0
    while number < len(lines):
        line = lines[number]
        number += 1
        if line.lstrip().startswith("```"):
            block = None if block is not None else line.strip().strip("`").strip().lower()
            continue
        if block not in SHELL_BLOCKS:
            continue
        first = number
        text = line.strip()
        while text.endswith("\\") and number < len(lines):
            text = text[:-1] + lines[number].strip()
            number += 1
        if text.startswith("$ "):
            text = text[2:]
        if re.match(r"^axocor\s", text):
            examples.append(Example(path, first, text, cwd_of))
    if not examples:
        problems.append(f"{path}: no example (a line 'axocor ...' in a ```sh block)")
    return examples


def environment_of(tool, env_file):
    """The variables an environment file sets, as the tool reads them (its doctor's report)."""
    result = subprocess.run([tool, "doctor", "--env", env_file, "--json"], text=True,
                            stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                            timeout=TIMEOUT_SECONDS)
    try:
        return json.loads(result.stdout)["variables"]
    except (ValueError, KeyError) as error:
        sys.exit(f"{env_file}: its variables cannot be read ({error}): {result.stderr}")


def scratch(work, index, options):
    """A fresh copy of the samples for one example, and where its parts lie."""
    top = os.path.join(work, f"example-{index}")
    layout = {"top": top, "models": os.path.join(top, "examples", "models"),
              "installation": os.path.join(top, "examples", "install"),
              "home": os.path.join(top, "home"), "bin": os.path.join(top, "bin")}
    shutil.copytree(options.models, layout["models"], symlinks=True)
    shutil.copytree(options.installation, layout["installation"], symlinks=True)
    os.makedirs(layout["home"])
    os.makedirs(layout["bin"])
    os.symlink(os.path.abspath(options.tool), os.path.join(layout["bin"], "axocor"))
    return layout


def with_sample_copies(command, names, layout):
    """`command` with every path of a sample replaced by that of its copy."""
    for path in sorted(names, key=len, reverse=True):
        pattern = re.escape(path) + r"(?=[/\\\s\"']|$)"
        command = re.sub(pattern, lambda _: layout[names[path]], command)
    return command


def run_example(example, index, options, names):
    layout = scratch(options.work, index, options)
    command = with_sample_copies(example.command, names, layout)
    env = dict(os.environ)
    env_file = os.path.join(layout["installation"], "axocor-env.txt")
    env.update(environment_of(options.tool, env_file))
    env["HOME"] = layout["home"]
    env.pop("XDG_CONFIG_HOME", None)
    env["PATH"] = layout["bin"] + os.pathsep + env.get("PATH", "")
    cwd = example.cwd_of(layout)
    try:
        result = subprocess.run(["sh", "-c", command], cwd=cwd, env=env, text=True,
                                stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                                timeout=TIMEOUT_SECONDS)
        status, output = result.returncode, result.stdout
    except subprocess.TimeoutExpired as timeout:
        status, output = f"none: it did not end within {TIMEOUT_SECONDS} s", timeout.stdout or ""
        if isinstance(output, bytes):
            output = output.decode(errors="replace")
    if status == example.status:
        return None
    shown = output if len(output) <= 4000 else output[:4000] + "\n... (cut)"
    return (f"{example.source}:{example.line}: {example.text}\n"
            f"  ran: {command}\n  in: {cwd}\n"
            f"  exit status {status}, expected {example.status}\n  output:\n"
            + "".join(f"    | {line}\n" for line in shown.splitlines()))


def main():
    parser = argparse.ArgumentParser(description="Runs the examples of axocor's texts.")
    parser.add_argument("what", choices=["help", "help-all", "docs"])
    parser.add_argument("paths", nargs="*")
    parser.add_argument("--tool", required=True)
    parser.add_argument("--models", required=True)
    parser.add_argument("--installation", required=True)
    parser.add_argument("--named-models")
    parser.add_argument("--named-installation")
    parser.add_argument("--work", required=True)
    options = parser.parse_args()
    options.models = os.path.abspath(options.models)
    options.installation = os.path.abspath(options.installation)
    names = {options.models: "models", options.installation: "installation"}
    if options.named_models:
        names[options.named_models] = "models"
    if options.named_installation:
        names[options.named_installation] = "installation"

    problems = []
    if options.what == "help-all":
        every = run_tool(options.tool, ["--help-all"])
        texts = help_texts(options.tool)
        for words, text in texts:
            if text not in every:
                problems.append(f"axocor --help-all lacks the help of 'axocor {' '.join(words)}'")
        for problem in problems:
            print(problem)
        print(f"{len(texts)} help texts, {len(problems)} not in axocor --help-all")
        return 1 if problems else 0
    elif options.what == "help":
        examples = help_examples(help_texts(options.tool), problems)
    else:
        samples = {"models": options.models, "installation": options.installation}
        examples = [example for path in readme_files(options.paths, problems)
                    for example in readme_examples(path, samples, problems)]

    shutil.rmtree(options.work, ignore_errors=True)
    os.makedirs(options.work)
    seen = set()
    failures = []
    for example in examples:
        if example.text in seen:
            continue
        seen.add(example.text)
        failure = run_example(example, len(seen), options, names)
        if failure:
            failures.append(failure)
    for problem in problems + failures:
        print(problem)
    print(f"{len(seen)} examples run, {len(failures)} failed; "
          f"texts without examples: {len(problems)}")
    return 1 if problems or failures else 0


if __name__ == "__main__":
    sys.exit(main())
