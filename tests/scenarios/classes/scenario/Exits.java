package scenario;

public class Exits {
  public static void main(String[] args) {
    System.out.println("before exit");
    System.exit(3);
  }
}
