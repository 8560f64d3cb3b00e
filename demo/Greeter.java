package demo;

import java.util.Arrays;

// The sample application: shows what the launcher handed it.
public class Greeter {
  public static void main(String[] args) {
    System.out.println("Hello from Java " + System.getProperty("java.version") + " ("
        + System.getProperty("java.vm.name") + ")");
    System.out.println("arguments: " + Arrays.toString(args));
    System.out.println("class path: " + System.getProperty("java.class.path"));
    System.out.println("greeting property: " + System.getProperty("demo.greeting"));
    System.out.println("max heap: " + Runtime.getRuntime().maxMemory() / (1024 * 1024) + " MiB");
    System.out.println("ZQ_JVM_HOME: " + System.getenv("ZQ_JVM_HOME"));
  }
}
