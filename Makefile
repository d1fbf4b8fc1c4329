# The two everyday commands: `make run` and `make test`.
BUILD      ?= build
JOBS       ?= $(shell nproc)
WERROR     ?= $(if $(SELVANE_WERROR),$(SELVANE_WERROR),OFF)
CMAKE_ARGS ?=

.PHONY: all deps test-deps configure configure-run build build-run run test test-sanitize bench package clean mutate

all: build

# What building and running need; `test-deps` adds the test tools (LibreOffice, clang and its
# sanitizer runtime, lintian, Xvfb, poppler, ...), which only `make test` and CI use.
deps:
	@bash scripts/install-deps run

test-deps:
	@bash scripts/install-deps test

# The tests and benchmarks are built (not run) with everything else, so that `make bench` never
# finds them broken by a change.
configure: test-deps
	@cmake -S . -B $(BUILD) -DSELVANE_WERROR=$(WERROR) -DSELVANE_BUILD_TESTS=ON \
	  -DSELVANE_BUILD_BENCH=ON -DSELVANE_CHECKED_LIBRARY=ON $(CMAKE_ARGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

# `make run` builds only the two programs. A build folder that `make test` set up keeps its tests
# and benchmarks; a new one is set up without them, so nothing of the test tools is needed.
configure-run: deps
	@if [ -f $(BUILD)/CMakeCache.txt ]; then cmake -S . -B $(BUILD) $(CMAKE_ARGS) > /dev/null; \
	else cmake -S . -B $(BUILD) -DSELVANE_WERROR=$(WERROR) -DSELVANE_BUILD_TESTS=OFF \
	  -DSELVANE_BUILD_BENCH=OFF $(CMAKE_ARGS) > /dev/null; fi

build-run: configure-run
	@cmake --build $(BUILD) -j $(JOBS) --target selvane selvane-cli

run: build-run
	cd $(BUILD)/bin && ./selvane

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory test-sanitize

# The core and command-line tests again, built with AddressSanitizer and
# UndefinedBehaviorSanitizer, so memory errors and undefined behaviour fail the run.
test-sanitize: test-deps
	@cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DSELVANE_SANITIZE=ON \
	  -DSELVANE_CHECKED_LIBRARY=ON -DSELVANE_BUILD_UI=OFF -DSELVANE_WERROR=$(WERROR) > /dev/null
	@cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS)

bench: test-deps
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DSELVANE_BUILD_BENCH=ON -DSELVANE_BUILD_TESTS=OFF -DSELVANE_BUILD_UI=ON > /dev/null
	@cmake --build build-bench -j $(JOBS)
	build-bench/bin/selvane-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	build-bench/bin/selvane-chart-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	build-bench/bin/selvane-rate-bench
	build-bench/bin/selvane-chart-window-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
	bash bench/startup.sh build-bench 31

# A Debian package of the program, its help topics, icon, desktop entry and metainfo.
package: test-deps
	@cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	  -DSELVANE_BUILD_TESTS=OFF -DSELVANE_WERROR=$(WERROR) > /dev/null
	@cmake --build build-package -j $(JOBS)
	cd build-package && cpack -G DEB

# How many planted faults the tests catch: tools/mutate/mutate.py changes one operator, constant
# or call at a time in the sources of FOLDERS, rebuilds, runs the tests, and lists the changes no
# test caught (see tools/mutate/README.md). MUTANTS of them, drawn with SEED; the results go to
# build-mutate/mutants-SEED.jsonl. Not part of `make test`: each mutant is a build and a test run.
FOLDERS ?= src/core src/calculator src/cli
MUTANTS ?= 80
SEED    ?= 2026
# Only the programs a fault in those folders can change are rebuilt for each mutant.
MUTATE_TARGETS ?= selvane-cli selvane_headless_tests selvane_cli_tests selvane_print_tests \
                  selvane_dump_tests selvane_hostile_check
mutate: test-deps
	@cmake -S . -B build-mutate -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSELVANE_BUILD_UI=OFF \
	  -DSELVANE_CHECKED_LIBRARY=ON \
	  -DSELVANE_WERROR=$(WERROR) > /dev/null
	@cmake --build build-mutate -j $(JOBS)
	python3 tools/mutate/mutate.py --src . --build build-mutate -n $(MUTANTS) --seed $(SEED) \
	  --order random --jobs $(JOBS) -E '^(fuzz|Layers|MimeType|Install)' \
	  $(foreach t,$(MUTATE_TARGETS),--target $(t)) --json build-mutate/mutants-$(SEED).jsonl \
	  $(foreach f,$(FOLDERS),'$(f)/*.cpp')

clean:
	rm -rf $(BUILD) build-bench build-sanitize build-package build-mutate

# A picture of the window with the details view open, for the documentation.
.PHONY: screenshot
screenshot: build
	@mkdir -p docs
	cd $(BUILD)/bin && LC_ALL=en_US.UTF-8 xvfb-run -a -s "-screen 0 1280x1024x24" \
		./selvane-screenshot $(CURDIR)/docs/screenshot.png
	cd $(BUILD)/bin && LC_ALL=en_US.UTF-8 xvfb-run -a -s "-screen 0 1280x1024x24" \
		./selvane-preview-shot $(CURDIR)/docs/print-preview.png \
		$(CURDIR)/docs/print-preview.pdf $(CURDIR)/docs/print.pdf
	cd $(BUILD)/bin && LC_ALL=en_US.UTF-8 xvfb-run -a -s "-screen 0 1680x1050x24" \
		./selvane-screenshot --loan 123000000000 $(CURDIR)/docs/big-loan.png
	cd $(BUILD)/bin && LC_ALL=en_US.UTF-8 xvfb-run -a -s "-screen 0 1680x1050x24" \
		./selvane-screenshot --loan 123000000000 --width 1600 $(CURDIR)/docs/wide.png

# The window under the dark look with the details view open, and the window scaled to twice its
# size, for the documentation.
.PHONY: readable-screenshots
readable-screenshots: build
	@mkdir -p docs
	cd $(BUILD)/bin && LC_ALL=en_US.UTF-8 xvfb-run -a -s "-screen 0 1280x1024x24" \
		./selvane-screenshot --dark $(CURDIR)/docs/dark.png
	cd $(BUILD)/bin && LC_ALL=en_US.UTF-8 QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2560x2048x24" \
		./selvane-screenshot $(CURDIR)/docs/scale-2x.png

# The chart window over a 30-year mortgage and over an investment, for the documentation.
.PHONY: chart-screenshots
chart-screenshots: build
	@mkdir -p docs
	cd $(BUILD)/bin && for plan in loan investment; do \
		LC_ALL=en_US.UTF-8 QT_QPA_PLATFORM=offscreen \
		./selvane-screenshot --chart $$plan $(CURDIR)/docs/chart-$$plan.png || exit 1; done

# The What If window over a plan with a timeline of events, the chart with the balance that
# timeline gives, the Schedule window, Compare Offers and Check a Lender's Statement, for the
# documentation. (A screen wide
# enough for every column of Compare Offers, in German and French too; the other windows are
# smaller than 1280x1024.)
.PHONY: whatif-screenshots
whatif-screenshots: build
	@mkdir -p docs
	cd $(BUILD)/bin && XDG_CONFIG_HOME=$$(mktemp -d) LC_ALL=en_US.UTF-8 \
		xvfb-run -a -s "-screen 0 1680x1050x24" ./selvane-whatif-shot $(CURDIR)/docs

# The window in German and French: docs/screenshot-LL.png, what-if-LL.png, chart-LL.png,
# schedule-LL.png, offers-LL.png and statement-LL.png.
.PHONY: language-screenshots
language-screenshots: build
	@mkdir -p docs
	for locale in de_DE fr_FR; do lang=$${locale%_*}; shots=$$(mktemp -d); \
		(cd $(BUILD)/bin && LC_ALL=$$locale.UTF-8 xvfb-run -a -s "-screen 0 1280x1024x24" \
			./selvane-screenshot $(CURDIR)/docs/screenshot-$$lang.png && \
		XDG_CONFIG_HOME=$$shots LC_ALL=$$locale.UTF-8 \
			xvfb-run -a -s "-screen 0 1680x1050x24" ./selvane-whatif-shot $$shots) || exit 1; \
		cp $$shots/what-if.png $(CURDIR)/docs/what-if-$$lang.png; \
		cp $$shots/chart-what-if.png $(CURDIR)/docs/chart-$$lang.png; \
		cp $$shots/schedule.png $(CURDIR)/docs/schedule-$$lang.png; \
		cp $$shots/offers.png $(CURDIR)/docs/offers-$$lang.png; \
		cp $$shots/statement.png $(CURDIR)/docs/statement-$$lang.png; \
		rm -rf $$shots; done

# libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer), FUZZ_SECONDS each
# on a growing copy of fuzz/corpus/ in build-fuzz/; findings are kept in build-fuzz/findings/.
FUZZ_SECONDS ?= 60
.PHONY: fuzz
fuzz: test-deps
	@CC=clang CXX=clang++ cmake -S fuzz -B build-fuzz > /dev/null
	@cmake --build build-fuzz -j $(JOBS)
	@FUZZ_SECONDS=$(FUZZ_SECONDS) bash fuzz/run-fuzz build-fuzz

# Times every action of the hostile scripts one by one and reports the slowest action and the
# peak memory of each script (targets: 0.5 s, 300 MB). A measurement, not a test; see tools/hostile.
.PHONY: hostile hostile-window
hostile: test-deps
	@cmake -S tools/hostile -B build-hostile -DCMAKE_BUILD_TYPE=Release > /dev/null
	@cmake --build build-hostile -j $(JOBS) --target selvane-hostile
	build-hostile/selvane-hostile tests/hostile/*.script tools/hostile/scripts/*.script

# The same scripts through the real window under Xvfb (about 15 minutes: the 30,000-character
# texts are typed into the fields one key at a time).
hostile-window: test-deps
	@cmake -S tools/hostile -B build-hostile -DCMAKE_BUILD_TYPE=Release > /dev/null
	@cmake --build build-hostile -j $(JOBS) --target selvane-hostile
	xvfb-run -a -s "-screen 0 1280x1024x24" build-hostile/selvane-hostile --window \
	    tests/hostile/*.script tools/hostile/scripts/*.script
