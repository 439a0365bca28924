# The two commands of the README: `make run` and `make test`. Each installs what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: setup configure build run test bench clean

setup:
	@bash tools/setup.sh

configure: setup
	@cmake -S . -B $(BUILD) -G Ninja >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/Sonavel_V5

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen SONAVEL_AUDIO_SINK=fakesink SONAVEL_VIDEO_SINK=fakesink \
	  ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/*; do echo "== $$b"; QT_QPA_PLATFORM=offscreen "$$b" || exit 1; done

clean:
	rm -rf $(BUILD)
