# Every target installs what a fresh Debian machine lacks, then builds.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
JOBS ?= $(shell nproc)
# Seconds each fuzz target runs: briefly within make test, longer with make fuzz.
FUZZ_SECONDS ?= 120
FUZZ_SMOKE_SECONDS ?= 15
FUZZ_TARGETS = TabReaderFuzz:tab TextOutputFuzz:text TextImportFuzz:import \
    TextRoundTripFuzz:roundtrip HistoryFuzz:history
FUZZ_EXECUTABLES = $(foreach pair,$(FUZZ_TARGETS),$(firstword $(subst :, ,$(pair))))

.PHONY: all deps build run package test unit-test sanitize-test fuzz-build fuzz fuzz-smoke bench clean

all: build

deps:
	scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/strunomat

package: build
	cd $(BUILD) && cpack -G DEB

# The suite under the sanitizers, the fuzzers briefly, then the suite as built for users, whose
# summary closes the run.
test: sanitize-test fuzz-smoke unit-test

unit-test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

sanitize-test: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DSTRUNOMAT_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen \
	    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    ctest --output-on-failure -j $(JOBS)

fuzz-build: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=Debug -DSTRUNOMAT_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(FUZZ_EXECUTABLES)

fuzz-smoke: fuzz-build
	$(MAKE) --no-print-directory run-fuzzers SECONDS=$(FUZZ_SMOKE_SECONDS)

fuzz: fuzz-build
	$(MAKE) --no-print-directory run-fuzzers SECONDS=$(FUZZ_SECONDS)

# Each target starts from the committed seeds and keeps what it finds in a corpus of its own.
run-fuzzers:
	@for pair in $(FUZZ_TARGETS); do \
	    target=$${pair%%:*}; seeds=$${pair##*:}; log=$(FUZZ_BUILD)/$$target.log; \
	    mkdir -p $(FUZZ_BUILD)/corpus/$$seeds; \
	    if ! $(FUZZ_BUILD)/tests/fuzz/$$target -max_total_time=$(SECONDS) -max_len=65536 \
	        -print_final_stats=1 $(FUZZ_BUILD)/corpus/$$seeds tests/fuzz/corpus/$$seeds \
	        > $$log 2>&1; then tail -n 60 $$log; exit 1; fi; \
	    grep -E '^stat::(number_of_executed_units|new_units_added)' $$log | sed "s/^/$$target /"; \
	done

bench: build
	$(BUILD)/bench/strunomat_bench

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
