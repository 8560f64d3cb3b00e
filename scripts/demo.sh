#!/usr/bin/env bash
# Sets up what is missing, builds the launchers and runs a sample Java
# application through the Linux launcher with the real JVM: the launcher finds
# a Java 17 or later runtime, creates the VM in its own process and calls main.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh linux win64 win32

app=build/demo
rm -rf "$app" && mkdir -p "$app/lib" "$app/classes"
jdk=$(cat cmake/jdk-home)
"$jdk/bin/javac" -d "$app/classes" demo/Greeter.java
"$jdk/bin/jar" --create --file "$app/lib/greeter.jar" -C "$app/classes" .
cp build/linux/launcher "$app/greeter"
cp demo/greeter.ini "$app/greeter.ini"

echo "== $app/greeter \"first argument\" second"
"$app/greeter" "first argument" second
