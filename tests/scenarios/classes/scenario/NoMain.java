package scenario;

public class NoMain {
  public static void other(String[] args) {}
}
