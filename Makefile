# Thin wrapper around CMake and CTest; see README.md.
BUILD_DIR ?= build
ARGS ?=

# Every Debian package the project needs to build, test, look at and benchmark it.
PACKAGES := g++ make cmake ninja-build ccache pkg-config git clang-format \
	qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev \
	libjpeg62-turbo-dev libxml2-dev libgtest-dev libgmock-dev \
	xvfb xauth xdotool imagemagick openbox desktop-file-utils \
	fonts-dejavu-core adwaita-icon-theme time coreutils python3 midicsv dash busybox \
	libssl-dev xfsprogs

.PHONY: deps build run test bench format clean

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
		dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
		if [ "$$(id -u)" != 0 ]; then \
			echo "Missing packages. Run as root:"; \
			echo "  apt-get update && apt-get install -y$$missing"; \
			exit 1; \
		fi; \
		apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends$$missing; \
	fi

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja

build: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) --parallel

run: build
	$(BUILD_DIR)/bparcelon $(ARGS)

# Tests never see the real user's settings, desktop or display.
test: build
	@tmp=$$(mktemp -d); \
	mkdir -p $$tmp/config $$tmp/data $$tmp/cache $$tmp/runtime; chmod 700 $$tmp/runtime; \
	HOME=$$tmp XDG_CONFIG_HOME=$$tmp/config XDG_DATA_HOME=$$tmp/data XDG_CACHE_HOME=$$tmp/cache \
	XDG_RUNTIME_DIR=$$tmp/runtime QT_QPA_PLATFORM=offscreen \
	ctest --test-dir $(BUILD_DIR) --output-on-failure --parallel 2; \
	rc=$$?; rm -rf $$tmp; exit $$rc

bench: build
	@if [ -x bench/run.sh ]; then bench/run.sh $(BUILD_DIR); else echo "no benchmarks yet"; fi

format:
	git ls-files --cached --others --exclude-standard '*.cpp' '*.h' | xargs -r clang-format -i

clean:
	rm -rf $(BUILD_DIR)
