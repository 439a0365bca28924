# The two commands of the README: `make run` and `make test`. Each installs what is missing first.
#   make run    builds the two programs and their folder, then starts Sonavel_V5
#   make test   builds everything twice (build/ and, with the sanitizers, build-san/) and runs
#               the tests of both on a private virtual display (tools/affichage.sh)
BUILD ?= build
SAN_BUILD ?= build-san
JOBS ?= $(shell nproc)
CTEST = ctest --output-on-failure -j $(JOBS)

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
	@bash tools/affichage.sh sh -c 'cd $(BUILD) && $(CTEST)'

test-san: build-san
	@bash tools/affichage.sh sh -c 'cd $(SAN_BUILD) && $(CTEST)'

test: build build-san
	@echo "== tests ($(BUILD)/)"
	@bash tools/affichage.sh sh -c 'cd $(BUILD) && $(CTEST)'
	@echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer ($(SAN_BUILD)/)"
	@bash tools/affichage.sh sh -c 'cd $(SAN_BUILD) && $(CTEST)'

bench: build
	@for b in $(BUILD)/bench/*; do echo "== $$b"; QT_QPA_PLATFORM=offscreen "$$b" || exit 1; done

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
