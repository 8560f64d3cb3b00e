package scenario;

// Lies only in the folder a scenario starts the launcher from: it must never
// be loaded.
public class Planted {
  public static void main(String[] args) {
    System.out.println("planted code ran");
  }
}
