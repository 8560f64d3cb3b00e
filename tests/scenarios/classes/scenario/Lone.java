package scenario;

import java.nio.file.Files;
import java.nio.file.Paths;

// A first instance without secondaryMain: main runs until the file "release"
// appears in the current folder, then ends the process with 5.
public class Lone {
  public static void main(String[] args) throws InterruptedException {
    System.out.println("main");
    while (!Files.exists(Paths.get("release"))) Thread.sleep(10);
    System.exit(5);
  }
}
