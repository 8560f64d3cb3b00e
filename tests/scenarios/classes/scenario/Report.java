package scenario;

// Prints what a program received in the same form as the test VM's script
// statements (out args, out env, out property, out class, out resource, out thread), so one expected
// output serves the real JVM and the test VM.
public final class Report {
  private Report() {}

  public static void args(String[] args) {
    System.out.println("args " + args.length);
    for (int i = 0; i < args.length; i++) System.out.println("arg " + i + " [" + escaped(args[i]) + "]");
  }

  public static void env(String name) {
    String value = System.getenv(name);
    System.out.println("env " + name + " " + (value == null ? "null" : "[" + escaped(value) + "]"));
  }

  public static void property(String name) {
    String value = System.getProperty(name);
    System.out.println("property " + name + " " + (value == null ? "null" : "[" + escaped(value) + "]"));
  }

  public static void loadable(String className) {
    boolean found;
    try {
      Class.forName(className, false, ClassLoader.getSystemClassLoader());
      found = true;
    } catch (ClassNotFoundException e) {
      found = false;
    }
    System.out.println("class " + className + (found ? " found" : " missing"));
  }

  public static void resource(String name) {
    boolean found = ClassLoader.getSystemResource(name) != null;
    System.out.println("resource " + name + (found ? " found" : " missing"));
  }

  public static void thread() {
    System.out.println("thread [" + escaped(Thread.currentThread().getName()) + "]");
  }

  // Printable ASCII stays; every other UTF-16 unit becomes \\uXXXX.
  static String escaped(String text) {
    StringBuilder out = new StringBuilder();
    for (char c : text.toCharArray()) {
      if (c >= 0x20 && c < 0x7f) out.append(c);
      else out.append(String.format("\\u%04x", (int) c));
    }
    return out.toString();
  }
}
