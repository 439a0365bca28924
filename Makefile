# The two commands of the README: `make run` and `make test`. Each installs what is missing first.
#   make run    builds the two programs and their folder, then starts Sonavel_V5
#   make test   builds everything twice (build/ and, with the sanitizers, build-san/) and runs
#               the tests of both on a private virtual display (tools/affichage.sh), then
#               prints both builds' summaries (tools/lancer_tests.sh)
BUILD ?= build
SAN_BUILD ?= build-san
JOBS ?= $(shell nproc)
CTEST_ARGS = -j $(JOBS)

.PHONY: setup configure configure-san programs build build-san run test test-build test-san bench clean

setup:
	@bash tools/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -G Ninja >/dev/null

configure-san: setup
	@cmake -S . -B $(SAN_BUILD) -G Ninja -DSONAVEL_SANITIZE=ON >/dev/null

programs: configure
	@cmake --build $(BUILD) -j $(JOBS) --target programs

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

build-san: configure-san
	@cmake --build $(SAN_BUILD) -j $(JOBS)

run: programs
	$(BUILD)/bin/Sonavel_V5

# The tests of one build folder (test-build) or of the sanitizer build (test-san) alone.
test-build: build
	@bash tools/affichage.sh bash tools/lancer_tests.sh $(BUILD) $(CTEST_ARGS)

test-san: build-san
	@bash tools/affichage.sh bash tools/lancer_tests.sh $(SAN_BUILD) $(CTEST_ARGS)

# Both builds' tests run whatever the first gave; both summaries close the output, and the
# target fails when either build has a failed test.
test: build build-san
	@statut=0; \
	echo "== tests ($(BUILD)/)"; \
	bash tools/affichage.sh bash tools/lancer_tests.sh $(BUILD) $(CTEST_ARGS) || statut=1; \
	echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer ($(SAN_BUILD)/)"; \
	bash tools/affichage.sh bash tools/lancer_tests.sh $(SAN_BUILD) $(CTEST_ARGS) || statut=1; \
	echo; \
	for d in $(BUILD) $(SAN_BUILD); do \
	  cat "$$d/Testing/resume.txt" 2>/dev/null || echo "$$d/: 0 passed, 1 failed, 0 skipped (the tests could not start)"; \
	done; \
	exit $$statut

bench: build
	@for b in $(BUILD)/bench/*; do echo "== $$b"; QT_QPA_PLATFORM=offscreen "$$b" || exit 1; done

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
