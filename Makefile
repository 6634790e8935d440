# Quick start:  make run   (install what is missing, build, start Sumcraft)
#               make test  (the same set-up, then every test)
BUILD_DIR ?= build
JOBS      ?= 2
CMAKE_ARGS ?=

.PHONY: all deps configure build test test-sanitized run clean bench bench-cli fuzz package

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DSUMCRAFT_WERROR=ON $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j$(JOBS)

test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j$(JOBS)

# A Debian package of the programs and their desktop integration.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

run: build
	@scripts/run.sh $(BUILD_DIR)

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
SAN_DIR ?= build-sanitized
SAN_LSAN = suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0
SAN_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
test-sanitized: deps
	@cmake -S . -B $(SAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DSUMCRAFT_WERROR=ON \
	  -DCMAKE_CXX_FLAGS="$(SAN_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SAN_FLAGS)" >/dev/null
	@# Test discovery runs the test programs during the build, so it needs the
	@# same suppressions as the run.
	@LSAN_OPTIONS=$(SAN_LSAN) cmake --build $(SAN_DIR) -j$(JOBS)
	@ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 LSAN_OPTIONS=$(SAN_LSAN) \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(SAN_DIR) --output-on-failure -j$(JOBS)

# Fuzzing with libFuzzer (clang): every reader for FUZZ_SECONDS each, with
# inputs of up to FUZZ_MAX_LEN bytes from the start (-len_control=0): long
# texts cost in ways short ones never show.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_MAX_LEN ?= 1048576
FUZZ_TARGETS ?= quiz_file styles templates settings
FUZZ_FLAGS = -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
fuzz:
	@scripts/install-deps.sh clang libclang-rt-dev
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSUMCRAFT_FUZZ=ON -DSUMCRAFT_PROGRAMS=OFF \
	  -DBUILD_TESTING=OFF -DCMAKE_CXX_FLAGS="$(FUZZ_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
	@cmake --build $(FUZZ_DIR) -j$(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	@set -e; for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_DIR)/corpus/$$t $(FUZZ_DIR)/crashes/$$t; \
	  echo "== fuzz_$$t for $(FUZZ_SECONDS) s"; \
	  ASAN_OPTIONS=detect_leaks=0 $(FUZZ_DIR)/bin/fuzz_$$t $(FUZZ_DIR)/corpus/$$t fuzz/corpus/$$t \
	    -max_total_time=$(FUZZ_SECONDS) -max_len=$(FUZZ_MAX_LEN) -len_control=0 -timeout=20 -rss_limit_mb=4096 \
	    -artifact_prefix=$(FUZZ_DIR)/crashes/$$t/ -print_final_stats=1 2>&1 | tail -n 12; \
	done

# Benchmarks in a Release build of their own; prints medians of 5 runs.
BENCH_DIR ?= build-bench
BENCH_FILTER ?= .
bench: deps
	@cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DSUMCRAFT_BENCH=ON -DSUMCRAFT_PROGRAMS=OFF -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(BENCH_DIR) -j$(JOBS) --target sumcraft_bench
	@$(BENCH_DIR)/bin/sumcraft_bench --benchmark_filter='$(BENCH_FILTER)' --benchmark_repetitions=5 \
	  --benchmark_report_aggregates_only=true --benchmark_display_aggregates_only=true 2>&1 | grep -v -E '_(mean|stddev|cv) '

# The whole `sumcraft-cli pdf --key` process, timed with hyperfine.
BENCH_CLI_DIR ?= build-bench-cli
bench-cli: deps
	@scripts/install-deps.sh hyperfine python3
	@cmake -S . -B $(BENCH_CLI_DIR) -DCMAKE_BUILD_TYPE=Release -DSUMCRAFT_BENCH=ON -DBUILD_TESTING=OFF >/dev/null
	@cmake --build $(BENCH_CLI_DIR) -j$(JOBS) --target sumcraft-cli sumcraft_bench_quizzes
	@bench/cli-pdf.sh $(BENCH_CLI_DIR)/bin

clean:
	rm -rf $(BUILD_DIR)
