# Thin wrapper around CMake and CTest; see README.md.
BUILD_DIR ?= build
ARGS ?=
PREFIX ?= /usr/local
DESTDIR ?=
# The packager's build: Release with Debian's compiler flags, warnings not fatal, no tests.
PACKAGE_DIR := $(BUILD_DIR)/package

# Every Debian package the project needs to build, test, look at and benchmark it.
PACKAGES := g++ make cmake ninja-build ccache pkg-config git clang-format \
	qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev \
	libjpeg62-turbo-dev libxml2-dev libgtest-dev libgmock-dev \
	xvfb xauth xdotool imagemagick openbox desktop-file-utils \
	fonts-dejavu-core adwaita-icon-theme time coreutils python3 midicsv dash busybox \
	libssl-dev xfsprogs appstream groff-base man-db bash-completion libglib2.0-bin file
# Only `make package` needs these; the packages it brings are left out of everyday builds.
PACKAGE_TOOLS := dpkg-dev lintian

.PHONY: deps build run test bench format clean install package

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

# Our own builds treat warnings as errors, also in a build folder configured before the option.
build: deps
	@grep -q '^PARCELON_WERROR:BOOL=ON' $(BUILD_DIR)/CMakeCache.txt 2>/dev/null || \
		cmake -S . -B $(BUILD_DIR) -G Ninja -DPARCELON_WERROR=ON
	cmake --build $(BUILD_DIR) --parallel

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

package: PACKAGES += $(PACKAGE_TOOLS)
package: deps
	CXXFLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	LDFLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
		cmake -S . -B $(PACKAGE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DPARCELON_TESTS=OFF
	cmake --build $(PACKAGE_DIR) --parallel
	rm -f $(BUILD_DIR)/brimvale-parcelon_*.deb
	cd $(PACKAGE_DIR) && cpack -B "$(abspath $(BUILD_DIR))"
	lintian --fail-on error $(BUILD_DIR)/brimvale-parcelon_*.deb

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
