# The two entry points of the README; everything else is in scripts/.
.PHONY: run test build bench fuzz dist screenshots clean

# Seconds each fuzz target runs for in `make fuzz`.
SECONDS ?= 60

run:
	@scripts/setup.sh
	@scripts/build.sh win
	@scripts/run.sh

test:
	@scripts/test.sh

bench:
	@scripts/bench.sh

fuzz:
	@scripts/fuzz.sh $(SECONDS)

# The release in build/dist: the portable zip and the installer.
dist:
	@scripts/setup.sh
	@scripts/build.sh win release
	@ls -l build/dist

# The README's pictures, from the windows the last `make test` drew.
screenshots:
	@scripts/setup.sh pngquant optipng
	@scripts/screenshots.sh

build:
	@scripts/setup.sh
	@scripts/build.sh native
	@scripts/build.sh win

clean:
	@scripts/wine-env.sh stop
	@WINEPREFIX=$(CURDIR)/build/test-prefix scripts/wine-env.sh stop
	rm -rf build
