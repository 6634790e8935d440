# Quick start:  make run   (install what is missing, build, start Sumcraft)
#               make test  (the same set-up, then every test)
BUILD_DIR ?= build
JOBS      ?= 2
CMAKE_ARGS ?=

.PHONY: all deps configure build test run clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DSUMCRAFT_WERROR=ON $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j$(JOBS)

test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j$(JOBS)

run: build
	@scripts/run.sh $(BUILD_DIR)

clean:
	rm -rf $(BUILD_DIR)
