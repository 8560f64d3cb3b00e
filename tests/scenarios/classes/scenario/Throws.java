package scenario;

public class Throws {
  public static void main(String[] args) {
    System.out.println("throwing");
    throw new IllegalStateException("boom");
  }
}
