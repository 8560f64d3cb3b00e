// Finding classes and methods: the class path, jars, and the exceptions a
// failed lookup leaves pending, described as HotSpot 17 describes them.
#include "harness.h"

namespace {

using Classes = VmTest;

const char* const greeting =
    "method main ([Ljava/lang/String;)V\n"
    "out text hello\n";

TEST_F(Classes, UnknownClassLeavesNoClassDefFoundError) {
  Outcome run = host(started("app/Missing") + std::vector<std::string>{"check", "describe", "check"});
  EXPECT_EQ(run.out, "host: create 0\nhost: find null\nhost: pending 1\nhost: pending 0\n");
  EXPECT_EQ(run.err,
            "Exception in thread \"main\" java.lang.NoClassDefFoundError: app/Missing\n"
            "Caused by: java.lang.ClassNotFoundException: app.Missing\n"
            "\tat java.base/jdk.internal.loader.BuiltinClassLoader.loadClass(BuiltinClassLoader.java:641)\n"
            "\tat java.base/jdk.internal.loader.ClassLoaders$AppClassLoader.loadClass(ClassLoaders.java:188)\n"
            "\tat java.base/java.lang.ClassLoader.loadClass(ClassLoader.java:525)\n");
  EXPECT_TRUE(inOrder(log(), {"create 0", "findclass app/Missing"}));
}

TEST_F(Classes, DottedNameFindsNothing) {
  defineClass("app/Main", greeting);
  Outcome run = host(started("app.Main") + std::vector<std::string>{"describe"});
  EXPECT_EQ(run.out, "host: create 0\nhost: find null\n");
  EXPECT_NE(
      run.err.find("java.lang.NoClassDefFoundError: app.Main\nCaused by: java.lang.ClassNotFoundException: app.Main\n"),
      std::string::npos)
      << run.err;
}

TEST_F(Classes, ClassPathIsSearchedInOrder) {
  write("first/app/Main.tvm", "method main ([Ljava/lang/String;)V\nout text from first\n");
  write("second/app/Main.tvm", "method main ([Ljava/lang/String;)V\nout text from second\n");
  write("second/app/Other.tvm", "method main ([Ljava/lang/String;)V\nout text other from second\n");
  std::string separator(1, harness::pathSeparator);
  std::string classPath =
      path("absent") + separator + path("absent.jar") + separator + path("first") + separator + path("second");
  std::vector<std::string> main = {"static", "main", "([Ljava/lang/String;)V", "call", "0"};
  Outcome run = host(std::vector<std::string>{"opt", "-Djava.class.path=" + classPath, "create", "find", "app/Main"} +
                     main + std::vector<std::string>{"find", "app/Other"} + main);
  EXPECT_EQ(run.out,
            "host: create 0\nhost: find ok\nhost: static ok\nfrom first\nhost: returned\n"
            "host: find ok\nhost: static ok\nother from second\nhost: returned\n");
}

TEST_F(Classes, NoClassPathMeansTheCurrentFolder) {
  write("app/Main.tvm", greeting);
  std::vector<std::string> main = {"find", "app/Main", "static", "main", "([Ljava/lang/String;)V", "call", "0"};
  Outcome here = host(std::vector<std::string>{"create"} + main);
  EXPECT_EQ(here.out, "host: create 0\nhost: find ok\nhost: static ok\nhello\nhost: returned\n");
  Outcome elsewhere = host(std::vector<std::string>{"opt", "-Djava.class.path=" + path("lib"), "create"} + main);
  EXPECT_EQ(elsewhere.out.substr(0, 32), "host: create 0\nhost: find null\n");
}

TEST_F(Classes, ClassAndResourceStatementsSearchTheClassPath) {
  write("app/Planted.tvm", greeting);
  write("planted.xml", "<configuration/>");
  write("lib/app/Main.tvm",
        "method main ([Ljava/lang/String;)V\nout class app.Planted\nout resource planted.xml\n"
        "out class app.Main\nout resource app/Main.tvm\nout resource packed.xml\nout resource listed.xml\n");
  // A central directory header: its signature, the name's length at 28, the name at 46.
  std::string header = std::string("PK\x01\x02", 4) + std::string(42, '\0') + "packed.xml";
  header[28] = 10;
  write("packed.jar", std::string("PK\x03\x04", 4) + "listed.xml" + header);
  std::vector<std::string> main = {"find", "app/Main", "static", "main", "([Ljava/lang/String;)V", "call", "0"};
  const std::string separator(1, harness::pathSeparator);
  Outcome elsewhere = host(
      std::vector<std::string>{"opt", "-Djava.class.path=" + path("lib") + separator + path("packed.jar"), "create"} +
      main);
  EXPECT_EQ(
      elsewhere.out,
      "host: create 0\nhost: find ok\nhost: static ok\nclass app.Planted missing\nresource planted.xml missing\n"
      "class app.Main found\nresource app/Main.tvm found\nresource packed.xml found\nresource listed.xml missing\n"
      "host: returned\n");
  // A trailing separator is an empty entry: the current folder.
  Outcome here = host(std::vector<std::string>{"opt", "-Djava.class.path=" + path("lib") + separator, "create"} + main);
  EXPECT_EQ(
      here.out,
      "host: create 0\nhost: find ok\nhost: static ok\nclass app.Planted found\nresource planted.xml found\n"
      "class app.Main found\nresource app/Main.tvm found\nresource packed.xml missing\nresource listed.xml missing\n"
      "host: returned\n");
}

TEST_F(Classes, ClassEmbeddedInAJarIsFound) {
  // A stored jar holds the file verbatim, right after its name in the entry header.
  std::string jar =
      std::string("PK\x03\x04", 4) + std::string(4, '\0') + "app/Main.tvm" +
      "TESTVM-CLASS app/MainHelper\r\nmethod main ([Ljava/lang/String;)V\r\nout text wrong class\r\nTESTVM-END\r\n" +
      "TESTVM-CLASS app/Main\r\nmethod main ([Ljava/lang/String;)V\r\nout text from the jar\r\nTESTVM-END\r\n" +
      "PK\x01\x02" + std::string(4, '\0') + "app/Main.tvm";
  write("app.jar", jar);
  Outcome run = host({"opt", "-Djava.class.path=" + path("app.jar"), "create", "find", "app/Main", "static", "main",
                      "([Ljava/lang/String;)V", "call", "0"});
  EXPECT_EQ(run.out, "host: create 0\nhost: find ok\nhost: static ok\nfrom the jar\nhost: returned\n");
}

TEST_F(Classes, MissingMethodLeavesNoSuchMethodError) {
  defineClass("app/Main", greeting);
  Outcome run =
      host(started("app/Main") + std::vector<std::string>{"static", "secondaryMain", "([Ljava/lang/String;)I",
                                                          "describe", "static", "stop", "()V", "describe", "static",
                                                          "main", "([Ljava/lang/String;)I", "check", "describe"});
  EXPECT_EQ(
      run.out,
      "host: create 0\nhost: find ok\nhost: static null\nhost: static null\nhost: static null\nhost: pending 1\n");
  // HotSpot names the class only when it knows both the name and the signature.
  EXPECT_EQ(run.err,
            "Exception in thread \"main\" java.lang.NoSuchMethodError: secondaryMain\n"
            "Exception in thread \"main\" java.lang.NoSuchMethodError: static Lapp/Main;.stop()V\n"
            "Exception in thread \"main\" java.lang.NoSuchMethodError: main\n");
  EXPECT_TRUE(inOrder(log(), {"findclass app/Main", "getstaticmethodid app/Main secondaryMain ([Ljava/lang/String;)I",
                              "getstaticmethodid app/Main stop ()V"}));
}

TEST_F(Classes, ClassWithoutMainIsNamedInTheError) {
  defineClass("app/Main", "method other ()V\n");
  Outcome run =
      host(started("app/Main") + std::vector<std::string>{"static", "main", "([Ljava/lang/String;)V", "describe"});
  EXPECT_EQ(run.err,
            "Exception in thread \"main\" java.lang.NoSuchMethodError: static Lapp/Main;.main([Ljava/lang/String;)V\n");
}

TEST_F(Classes, FailingStaticInitializerFailsTheClassForGood) {
  defineClass("app/Main",
              "method <clinit> ()V\n"
              "throw java/lang/IllegalStateException init failed\n" +
                  std::string(greeting));
  Outcome run = host(started("app/Main") + std::vector<std::string>{"describe", "find", "app/Main", "describe"});
  EXPECT_EQ(run.out, "host: create 0\nhost: find null\nhost: find null\n");
  EXPECT_EQ(run.err,
            "Exception in thread \"main\" java.lang.ExceptionInInitializerError\n"
            "Caused by: java.lang.IllegalStateException: init failed\n"
            "\tat app.Main.<clinit>(Main.java)\n"
            "Exception in thread \"main\" java.lang.NoClassDefFoundError: Could not initialize class app.Main\n");
}

TEST_F(Classes, InitializerErrorsPassUnwrapped) {
  defineClass("app/Main", "method <clinit> ()V\nthrow java/lang/OutOfMemoryError\n");
  Outcome run = host(started("app/Main") + std::vector<std::string>{"describe"});
  EXPECT_EQ(run.err, "Exception in thread \"main\" java.lang.OutOfMemoryError\n\tat app.Main.<clinit>(Main.java)\n");
}

TEST_F(Classes, MalformedScriptIsAClassFormatError) {
  defineClass("app/Main", "method main ([Ljava/lang/String;)V\nout text fine\nfly away\n");
  Outcome run = host(started("app/Main") + std::vector<std::string>{"describe"});
  EXPECT_EQ(run.err,
            "Exception in thread \"main\" java.lang.ClassFormatError: app/Main: line 3: unknown statement fly\n");
}

}  // namespace
