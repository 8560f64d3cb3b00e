package scenario;

public class Args {
  public static void main(String[] args) {
    Report.args(args);
  }
}
