#!/usr/bin/env bash
# Times the whole process of `sumcraft-cli pdf --key` (start-up, reading the
# quiz, layout, both PDF files, exit) on quizzes of 100 and 2,000 questions,
# one of additions, one mixing every problem type, and one of pictures only
# (shaded circles, coins, clocks), the slowest kind to draw.
#
#   bench/cli-pdf.sh BIN_FOLDER [RUNS]
#
# BIN_FOLDER holds sumcraft-cli and sumcraft_bench_quizzes. Prints the median
# wall time and the mean processor time (user + system) of RUNS runs.
set -euo pipefail
bin=$1
runs=${2:-30}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$bin/sumcraft_bench_quizzes" "$work"
printf '%-26s %12s %12s %8s\n' "quiz" "median wall" "mean CPU" "target"
for quiz in addition-100 mixed-100 pictures-100 addition-2000 mixed-2000 pictures-2000; do
  case $quiz in *-100) target="40 ms" ;; *) target="180 ms" ;; esac
  hyperfine -N --style none --runs "$runs" --warmup 3 --export-json "$work/$quiz.json" \
    "$bin/sumcraft-cli pdf $work/$quiz.qiz -o $work/$quiz.pdf --key $work/$quiz-key.pdf" >/dev/null 2>&1
  python3 - "$work/$quiz.json" "$quiz" "$target" <<'PY'
import json, sys
r = json.load(open(sys.argv[1]))["results"][0]
print(f"{sys.argv[2] + ' (pdf --key)':<26} {r['median'] * 1000:9.1f} ms {(r['user'] + r['system']) * 1000:9.1f} ms {sys.argv[3]:>8}")
PY
done
