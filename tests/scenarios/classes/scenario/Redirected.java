package scenario;

public class Redirected {
  public static void main(String[] args) {
    System.out.println("to standard output");
    System.err.println("to standard error");
  }
}
