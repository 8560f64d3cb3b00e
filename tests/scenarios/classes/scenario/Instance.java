package scenario;

import java.nio.file.Files;
import java.nio.file.Paths;

// A first instance in single-instance mode: main runs until the file
// "release" appears in the current folder; secondaryMain reports the
// arguments of a later start and answers 7.
public class Instance {
  public static void main(String[] args) throws InterruptedException {
    System.out.println("main");
    Report.args(args);
    while (!Files.exists(Paths.get("release"))) Thread.sleep(10);
    System.out.println("main ends");
  }

  public static int secondaryMain(String[] args) {
    System.out.println("secondaryMain");
    Report.args(args);
    return 7;
  }
}
