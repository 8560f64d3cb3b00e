// A program that brings its own version resource (in German), icon group,
// string table and dialog, as a launcher does once it is given a version
// resource at build time: branding must replace the version resource and the
// icon rather than add to them.
int main() { return 0; }
