#!/usr/bin/env bash
# The layer check passes on the tree and fails on a copy of it with one wrong include of each kind.
set -euo pipefail
python=$1 check=$2 src=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

"$python" "$check" "$src"

expect_fault() { # what, file, line to add, what the check must say
  rm -rf "$scratch/src" && cp -r "$src" "$scratch/src"
  sed -i "1a $3" "$scratch/src/$2"
  if out=$("$python" "$check" "$scratch/src" 2>&1); then
    echo "the check passed with $1 ($2: $3)"
    exit 1
  fi
  if ! grep -qF "$4" <<<"$out"; then
    echo "the check failed with $1 but did not say \"$4\": $out"
    exit 1
  fi
}
expect_fault "a window header in the core" analysis/FitmentAnalysis.cpp '#include "results/gui/Form4.h"' \
  "the core includes the results/gui header"
expect_fault "a platform header in the core" common/NumberText.cpp '#include "platform/AppContext.h"' \
  "the core includes the platform header"
expect_fault "a control name in the core" input/InputFile.cpp 'const char* const name = "Combo11";' \
  "the core names the control Combo11"
expect_fault "a lower window library including an upper one" results/gui/Form7.cpp '#include "app/gui/Form1.h"' \
  "results/gui includes app/gui, which it does not link"
expect_fault "a window library including one it does not link" judgement/gui/JudgeWheelClearance.cpp \
  '#include "input/gui/Form2.h"' "judgement/gui includes input/gui, which it does not link"
expect_fault "the window base including a subsystem's window" windowbase/MainWindowCommands.cpp \
  '#include "results/gui/Form4.h"' "windowbase includes results/gui, which it does not link"
expect_fault "a window-base header in the core" analysis/FitmentAnalysis.cpp '#include "windowbase/WheelBoxes.h"' \
  "the core includes the windowbase header"
expect_fault "a window-base header in the platform" platform/Form.cpp '#include "windowbase/MainWindow.h"' \
  "the platform includes the window header"
expect_fault "a circle" judgement/gui/JudgeWheelClearance.cpp '#include "results/gui/Form4.h"' "in a circle"
echo "the layer check holds on the tree and catches each wrong include"
