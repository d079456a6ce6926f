# Front door: `make run` and `make test` do everything on a fresh Debian 12 machine.

# Every Debian package the build, the program and the tests need, in one place.
PACKAGES := build-essential cmake qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev \
            fonts-dejavu-core xvfb xauth xdotool openbox x11-utils x11-xserver-utils \
            desktop-file-utils appstream dpkg-dev file \
            python3 \
            imagemagick clang libclang-rt-dev libx11-dev libxcb1-dev \
            weston xwayland qt6-wayland libglib2.0-bin wmctrl
# What builds and checks the Debian package.
PACKAGE_PACKAGES := debhelper lintian man-db blhc autopkgtest
# What the package's own as-installed tests (debian/tests) add: the accessibility bus read from
# Python.
INSTALLED_TEST_PACKAGES := python3-gi gir1.2-atspi-2.0
# What `make test-desktops` adds: GNOME's and KDE's compositors and KDE's X11 window manager,
# with KDE's window frames, the Orca screen reader with its speech server, and what builds and
# checks the Debian package.
DESKTOP_PACKAGES := mutter kwin-wayland kwin-x11 kwin-style-breeze dbus iproute2 libgl1-mesa-dri \
                    orca speech-dispatcher at-spi2-core $(PACKAGE_PACKAGES) $(INSTALLED_TEST_PACKAGES)

MAKEFLAGS += --no-print-directory
BUILD    ?= build
JOBS     ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all deps deps-all configure build run test test-desktops test-debian13 goldens test-asan fuzz bench package screenshots windows test-windows clean format

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

# Both lists: what a machine that runs every suite needs.
deps-all:
	@$(MAKE) deps PACKAGES="$(PACKAGES) $(DESKTOP_PACKAGES)"

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
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS) -LE desktops

# The end-to-end test under mutter and KWin, each nested in Xvfb, and KWin on X11; with Orca.
test-desktops: build
	@$(MAKE) deps-all
	@cd $(BUILD) && ctest --output-on-failure -L desktops

# The same two suites on Debian 13 (SUITE=testing: Debian testing), in a root made once with
# debootstrap under /var/cache/quorvex/roots and reused.
test-debian13:
	@scripts/debian-root.sh test test-desktops

# Rewrites the golden images of every window from what the program draws now; look at each
# changed one before committing it.
goldens: build
	@cmake --build $(BUILD) --target goldens

# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer. Libraries
# that the program or Qt unload (plugins, drivers) stay loaded, so that a leak report names
# whose allocation it is, and memory a library keeps in its globals to the end is not taken
# for a leak once the library is gone (the preload comes before the sanitizer's runtime).
ASAN_BUILD ?= build-asan
test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug \
	  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cc -shared -fPIC -o $(ASAN_BUILD)/keep_loaded.so tests/asan/keep_loaded.c
	@cd $(ASAN_BUILD) && LD_PRELOAD=$(CURDIR)/$(ASAN_BUILD)/keep_loaded.so \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:verify_asan_link_order=0 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(JOBS) -LE desktops

# Start-up time, memory and instructions against minimal Qt windows, and the main road
# in-process; callgrind counts the instructions.
BENCH_PACKAGES := valgrind dbus
bench: build
	@$(MAKE) deps PACKAGES="$(PACKAGES) $(BENCH_PACKAGES)"
	@cmake --build $(BUILD) -j $(JOBS) --target minimal_window bench_mainroad startup_bench
	@bench/run.sh $(BUILD)

# Each fuzz target for FUZZ_SECONDS, with clang's libFuzzer; the corpora stay in the build.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := settings lookup number referral
fuzz: deps
	@cmake -S . -B $(FUZZ_BUILD) -DQUORVEX_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t; \
	  echo "fuzz_$$t: $(FUZZ_SECONDS) s"; \
	  QT_QPA_PLATFORM=offscreen $(FUZZ_BUILD)/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -max_len=4096 \
	    -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/ $(FUZZ_BUILD)/corpus/$$t > $(FUZZ_BUILD)/fuzz_$$t.log 2>&1; rc=$$?; \
	  grep -E "^(Done|stat::number_of_executed_units)" $(FUZZ_BUILD)/fuzz_$$t.log; \
	  if [ $$rc -ne 0 ]; then tail -40 $(FUZZ_BUILD)/fuzz_$$t.log; exit 1; fi; \
	done

# The Debian package, built from debian/ by dpkg-buildpackage with debhelper's CMake support,
# into build/package: quorvex_1.0_amd64.deb and its -dbgsym. Two builds of one commit give the
# same bytes.
package:
	@$(MAKE) deps PACKAGES="$(PACKAGES) $(PACKAGE_PACKAGES)"
	@scripts/package.sh $(BUILD)/package

# Quorvex.exe for 64-bit Windows and its installer, build-windows/Quorvex-<version>-setup.exe:
# cross-built with Debian's MinGW-w64 against a Qt built once from Debian's own qt6-base
# source (scripts/windows/qt.sh keeps it in /var/cache/quorvex/qt-windows), staged with the
# DLLs it loads and packed by NSIS. The icon comes from the build for this machine.
# Signed with QUORVEX_SIGN_CERT and QUORVEX_SIGN_KEY (PEM files; make variables or environment):
# Quorvex.exe, the uninstaller and the installer, Authenticode with SHA-256.
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix ninja-build dpkg-dev nsis osslsigncode openssl
WINDOWS_BUILD ?= build-windows
# The version, in one place: CMake's project version. The hosts of the program's web pages, from
# its own table of them.
VERSION = $(shell sed -n '/^project/s/.* VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
site = $(shell sed -n 's/.* $(1) = "\([^"]*\)".*/\1/p' src/links/Sites.h)
SETUP = $(CURDIR)/$(WINDOWS_BUILD)/Quorvex-$(VERSION)-setup.exe
SIGNING = $(if $(QUORVEX_SIGN_CERT),QUORVEX_SIGN_CERT=$(abspath $(QUORVEX_SIGN_CERT)) QUORVEX_SIGN_KEY=$(abspath $(QUORVEX_SIGN_KEY)))
windows: build
	@$(MAKE) deps PACKAGES="$(PACKAGES) $(WINDOWS_PACKAGES)"
	@qt=$$(scripts/windows/qt.sh) && \
	  cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64.cmake \
	    -DCMAKE_PREFIX_PATH=$$qt -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
	    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DQUORVEX_HOST_BUILD=$(CURDIR)/$(BUILD) \
	    -DCMAKE_CROSSCOMPILING_EMULATOR=$(CURDIR)/scripts/windows/wine-test.sh $(CMAKE_ARGS) >/dev/null && \
	  cmake --build $(WINDOWS_BUILD) -j $(JOBS) --target Quorvex && \
	  scripts/windows/stage.sh $(CURDIR)/$(WINDOWS_BUILD) $$qt $(CURDIR)/$(WINDOWS_BUILD)/stage >/dev/null
	@if [ -n "$(QUORVEX_SIGN_CERT)" ]; then \
	  $(SIGNING) scripts/windows/sign.sh $(WINDOWS_BUILD)/stage/Quorvex.exe; \
	else echo "make windows: unsigned (give QUORVEX_SIGN_CERT and QUORVEX_SIGN_KEY to sign)"; fi
	@$(SIGNING) makensis -V1 -DFILES=$(CURDIR)/$(WINDOWS_BUILD)/install-files.nsh \
	  -DICON=$(CURDIR)/$(WINDOWS_BUILD)/windows/quorvex.ico -DVERSION=$(VERSION) \
	  -DMAIN_SITE=$(call site,mainSite) -DPROGRAM_SITE=$(call site,programSite) \
	  $(if $(QUORVEX_SIGN_CERT),-DSIGN=$(CURDIR)/scripts/windows/sign.sh) \
	  -DOUTFILE=$(SETUP) packaging/windows/Quorvex.nsi
	@ls $(SETUP)

# The widget tests cross-built and run under wine (each in the build's wine prefix, on Qt's
# offscreen platform; the goldens' windows on Windows' own, in Xvfb with openbox, which makes
# them active at once), and the installer's end-to-end test under wine in Xvfb with openbox;
# built signed with a throwaway certificate, made once in the build, whose signatures the
# end-to-end test verifies. A second signed build must give the same installer, byte for byte.
WINE_PACKAGES := wine wine64
TEST_SIGNING := $(WINDOWS_BUILD)/test-signing
test-windows: build
	@$(MAKE) deps PACKAGES="$(PACKAGES) $(WINDOWS_PACKAGES) $(WINE_PACKAGES)"
	@[ -s $(TEST_SIGNING)/cert.pem ] || { mkdir -p $(TEST_SIGNING) && \
	  openssl req -x509 -newkey rsa:2048 -nodes -days 3650 -subj "/CN=Quorvex test signing" \
	    -addext extendedKeyUsage=codeSigning -keyout $(TEST_SIGNING)/key.pem -out $(TEST_SIGNING)/cert.pem 2>/dev/null; }
	@$(MAKE) windows QUORVEX_SIGN_CERT=$(TEST_SIGNING)/cert.pem QUORVEX_SIGN_KEY=$(TEST_SIGNING)/key.pem
	@cp $(SETUP) $(TEST_SIGNING)/first-setup.exe
	@$(MAKE) windows QUORVEX_SIGN_CERT=$(TEST_SIGNING)/cert.pem QUORVEX_SIGN_KEY=$(TEST_SIGNING)/key.pem >/dev/null
	@cmp $(TEST_SIGNING)/first-setup.exe $(SETUP) && echo "test-windows: two signed builds give the same installer"
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	@cd $(WINDOWS_BUILD) && xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
	  sh -c 'openbox >/dev/null 2>&1 & ctest --output-on-failure -j $(JOBS)'

# PNG screenshots of every window, taken from the real program under Xvfb.
screenshots: build
	@scripts/screenshots.sh $(BUILD)/Quorvex docs/screenshots

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	@rm -rf $(BUILD)
