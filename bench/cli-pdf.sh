#!/usr/bin/env bash
# Times the whole process of `sumcraft-cli pdf --key` (start-up, reading the
# quiz, layout, both PDF files, exit) on quizzes of 100 and 2,000 questions,
# one of additions, one mixing every problem type, and one of pictures only
# (shaded circles, coins, clocks), the slowest kind to draw. Each is also
# given as a multiple of `sumcraft-cli --version` (the process start alone)
# timed in the same run, which varies much less with the machine's load.
#
#   bench/cli-pdf.sh BIN_FOLDER [RUNS]
#
# BIN_FOLDER holds sumcraft-cli and sumcraft_bench_quizzes. Prints the median
# wall time, the mean processor time (user + system) of RUNS runs and the
# ratio of the median to the start's.
set -euo pipefail
bin=$1
runs=${2:-30}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

median() {
  python3 -c 'import json, sys; print(json.load(open(sys.argv[1]))["results"][0]["median"])' "$1"
}

"$bin/sumcraft_bench_quizzes" "$work"
hyperfine -N --style none --runs "$runs" --warmup 3 --export-json "$work/start.json" \
  "$bin/sumcraft-cli --version" >/dev/null 2>&1
start=$(median "$work/start.json")
printf '%-26s %12s %12s %7s %7s\n' "quiz" "median wall" "mean CPU" "ratio" "aim"
printf '%-26s %9.1f ms %12s %7s\n' "start (--version)" "$(python3 -c "print($start * 1000)")" "" "1.0x"
for quiz in addition-100 mixed-100 pictures-100 addition-2000 mixed-2000 pictures-2000; do
  case $quiz in mixed-100) aim="2.5x" ;; pictures-2000) aim="3.5x" ;; *) aim="" ;; esac
  hyperfine -N --style none --runs "$runs" --warmup 3 --export-json "$work/$quiz.json" \
    "$bin/sumcraft-cli pdf $work/$quiz.qiz -o $work/$quiz.pdf --key $work/$quiz-key.pdf" >/dev/null 2>&1
  python3 - "$work/$quiz.json" "$quiz" "$start" "$aim" <<'PY'
import json, sys
r = json.load(open(sys.argv[1]))["results"][0]
ratio = r["median"] / float(sys.argv[3])
print(f"{sys.argv[2] + ' (pdf --key)':<26} {r['median'] * 1000:9.1f} ms {(r['user'] + r['system']) * 1000:9.1f} ms {ratio:6.1f}x {sys.argv[4]:>7}")
PY
done
