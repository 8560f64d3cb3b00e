#!/usr/bin/env bash
# Builds the Linux launcher and prints its start-up cost beside java -cp and a
# minimal JNI host, all running a hello-world class on the real JVM; then the
# in-process cost of a 10,000-jar class-path wildcard and a 1 MiB settings value.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh linux
jdk=$(cat cmake/jdk-home)
build/linux/bench/startup_benchmark build/linux/launcher build/linux/bench/minimal_jni_host build/linux/bench/classes "$jdk" "${1:-21}"
build/linux/bench/input_benchmark
