# Front door: `make run` and `make test` do everything on a fresh Debian 12 machine.

# Every Debian package the build, the program and the tests need, in one place.
PACKAGES := build-essential cmake qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev \
            fonts-dejavu-core xvfb xauth xdotool openbox x11-utils \
            desktop-file-utils appstream dpkg-dev \
            at-spi2-core dbus dbus-x11 python3 python3-pyatspi gir1.2-atspi-2.0 \
            imagemagick

BUILD    ?= build
JOBS     ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all deps configure build run test package screenshots clean format

all: build

deps:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  SUDO=""; [ "$$(id -u)" -ne 0 ] && SUDO=sudo; \
	  $$SUDO apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq --no-install-recommends $$missing; \
	fi

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_ARGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session."; \
	  exit 1; \
	fi
	@./$(BUILD)/Quorvex

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# A Debian package under build/.
package: build
	@cd $(BUILD) && cpack -G DEB >/dev/null && ls $(CURDIR)/$(BUILD)/*.deb

# PNG screenshots of every window, taken from the real program under Xvfb.
screenshots: build
	@scripts/screenshots.sh $(BUILD)/Quorvex docs/screenshots

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	@rm -rf $(BUILD)
