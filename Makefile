# The two everyday commands: `make run` and `make test`.
BUILD      ?= build
JOBS       ?= $(shell nproc)
WERROR     ?= $(if $(SELVANE_WERROR),$(SELVANE_WERROR),OFF)
CMAKE_ARGS ?=

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@bash scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DSELVANE_WERROR=$(WERROR) $(CMAKE_ARGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/bin && ./selvane

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DSELVANE_BUILD_BENCH=ON -DSELVANE_BUILD_TESTS=OFF > /dev/null
	@cmake --build build-bench -j $(JOBS)
	build-bench/bin/selvane-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

clean:
	rm -rf $(BUILD) build-bench
