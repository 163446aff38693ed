# The project's commands. Each installs what it needs on a fresh machine first.
.PHONY: demo test bench clean
demo:
	@scripts/demo.sh
test:
	@scripts/test.sh
bench:
	@scripts/bench.sh
clean:
	rm -rf build out
